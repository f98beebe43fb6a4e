// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Editing the word list and the card options.
#include "widgets/PaintBox.h"
#include "app/UnitMain.h"
#include "words/PictureEntry.h"
#include "dialogs/WordsEditorDialog.h"
#include "card/CardOptions.h"
#include "platform/Prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

void TFrmMain::BtnAddClick()
{
    const QString word = CboCardStr->currentText();
    if (TrimControls(word).isEmpty()) {
        Env.Asks.Information(tr("Please don't add an empty string."));
        return;
    }
    // Asked once for every entry already in the list that reads the same aloud: "Apple" and
    // "apple" are one call.
    const QString question = tr("The word '%1' has already been added into the list, do you want to add it again?").arg(word);
    for (const QString& item : WordList.Items()) {
        if (item.compare(word, Qt::CaseInsensitive) == 0 && !Env.Asks.Question(question, false)) {
            ClearWordBox();
            return;
        }
    }
    WordList.Insert(word);
    ClearWordBox();
    ArrangeCard();
    Redraw();
    ListModified = true;
    Announce(tr("%1 added: %2").arg(word, WordsEditorDialog::CountText(WordList.Count())));
}

bool TFrmMain::CboCardStrKeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    BtnAddClick();
    return true;
}

void TFrmMain::BtnDeleteClick()
{
    if (SelectedWord < 0 || SelectedWord >= WordList.Count()) {
        Env.Asks.Information(tr("Please select the string you want to delete firstly."));
        return;
    }
    const QString word = WordList.Items()[SelectedWord];
    WordList.RemoveAt(SelectedWord);
    Announce(tr("%1 deleted: %2").arg(EntryCaption(word), WordsEditorDialog::CountText(WordList.Count())));
    ClearWordBox();
    ArrangeCard();
    Redraw();
    ListModified = true;
}

void TFrmMain::ClearWordBox()
{
    SelectedWord = -1;
    CboCardStr->setCurrentIndex(-1);
    CboCardStr->setEditText(QString());
}

void TFrmMain::CboCardSizeSelect()
{
    ArrangeCard();
    Redraw();
}

void TFrmMain::ChkFreeSpaceClick()
{
    TxtFreeSpace->setEnabled(ChkFreeSpace->isChecked());
    ArrangeCard();
    Redraw();
}

void TFrmMain::ChkHeadingClick()
{
    TxtHeading->setEnabled(ChkHeading->isChecked());
    ArrangeCard();
    Redraw();
}

void TFrmMain::ChkWordWrapClick()
{
    ArrangeCard();
    Redraw();
}

void TFrmMain::TxtFreeSpaceChange()
{
    Redraw();
}

void TFrmMain::TxtHeadingChange()
{
    Redraw();
}
