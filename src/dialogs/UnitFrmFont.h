// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class Prompts;

// The font options dialog: picks the face and size of the card text. It talks to the
// rest of the program only through the settings file: it reads "FountName" and
// "FontSize" when it opens and writes both on OK; Cancel writes nothing.
class TFrmFonts final : public QDialog {
    Q_OBJECT

public:
    TFrmFonts(QWidget* owner, Prompts& asks);

    QComboBox* CboFontName = nullptr;
    QComboBox* CboFontSize = nullptr;
    QLabel* LblFont = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

    void FormCreate();
    void CboFontNameChange();
    void CboFontSizeChange();
    void BtnOKClick();
    void BtnCancelClick();

private:
    void FillNames();
    void SetPreviewSize(const QString& text);
    template <class Handler>
    void Guard(Handler&& handler);

    Prompts& Asks;
};
