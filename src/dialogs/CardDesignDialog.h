// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "output/CardLook.h"

#include <QDialog>
#include <functional>

class PaintBox;
class Prompts;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Surface;

// Options > Card Design: the title above the card and the line under it, the colours of
// the grid, the heading band and its letters, the words, the free space and a tint, and a
// logo in the free space. A sample card shows every change at once; a colour that leaves
// text hard to read is shown and said. OK gives the design to the list; "Use for new lists
// too" keeps it as the default in the settings.
class CardDesignDialog final : public QDialog {
    Q_OBJECT
public:
    // Draws the sample card at a size with a look (the main window's words and font).
    using SamplePainter = std::function<void(Surface&, int width, int height, const DesignedLook&)>;
    // `pictures`: the list's, for its sample card.
    CardDesignDialog(QWidget* owner, Prompts& asks, const CardDesign& design, SamplePainter paint,
                     std::shared_ptr<const PictureShelf> pictures = nullptr);

    const DesignedLook& Look() const { return Chosen; }

    // Controls, for the tests.
    QLineEdit* EdtTitle = nullptr;
    QLineEdit* EdtFooter = nullptr;
    struct ColourButton {
        QColor CardDesign::*Colour;
        QPushButton* Button;
        QString Title; // of the colour dialog
    };
    std::vector<ColourButton> Colours;
    QPushButton* BtnPlainColours = nullptr;
    QLineEdit* EdtLogo = nullptr;
    QPushButton* BtnLogo = nullptr;
    QPushButton* BtnRemoveLogo = nullptr;
    QLabel* LblWarnings = nullptr;
    QCheckBox* ChkDefault = nullptr;
    PaintBox* Sample = nullptr;

    void accept() override;

private:
    void Changed();
    void ChooseColour(const ColourButton& button);
    void ChooseLogo();
    QString Warnings() const;

    Prompts& Asks;
    DesignedLook Chosen;
    QString LogoProblem;
    SamplePainter Paint;
};
