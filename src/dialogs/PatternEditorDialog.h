// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/Patterns.h"

#include <QDialog>

class PatternPicture;
class Prompts;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class PatternGrid;

// The host's own patterns: drawn on a grid of 3 x 3, 5 x 5 or 7 x 7 cells (Space or a click
// covers a cell or leaves it), named, "any way round" or not, and kept in Patterns.txt for
// the caller, the checker, the phones and plumwick-print --pattern. Closing with a drawing
// not saved asks first, as the main window does for a list.
class PatternEditorDialog final : public QDialog {
    Q_OBJECT

public:
    PatternEditorDialog(QWidget* owner, Prompts& asks, int side = 5);
    // The key of the pattern last saved here; empty when none was.
    QString LastSaved() const { return Saved; }
    // Saves the pattern drawn under its name, over one of that name; false (said) when it can't.
    bool SaveClick();
    // Closing with a drawing not saved asks whether to save it first.
    void reject() override;

    QListWidget* LstPatterns = nullptr;
    QLineEdit* EdtName = nullptr;
    QComboBox* CboSide = nullptr;
    PatternGrid* Grid = nullptr;
    QCheckBox* ChkAnyWayRound = nullptr;
    QPushButton* BtnNew = nullptr;
    QPushButton* BtnSave = nullptr;
    QPushButton* BtnDelete = nullptr;

private:
    void ShowPattern(const Pattern& pattern);
    void SetSide(int side, const std::vector<bool>& cells);
    Pattern Drawn() const;
    void FillList();
    void DeleteClick();

    Prompts& Asks;
    std::vector<Pattern> Own;
    QString Saved;
};
