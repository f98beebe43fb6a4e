// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/WordsEditorDialog.h"
#include "platform/ui/Panel.h"
#include "platform/Prompts.h"
#include "widgets/PasteSafeEdits.h"
#include "words/WordLines.h"
#include "platform/ui/ScreenFit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

WordsEditorDialog::WordsEditorDialog(QWidget* owner, Prompts& asks, const QStringList& words)
    : QDialog(owner), Asks(asks)
{
    setWindowTitle(tr("Edit Words"));
    resize(360, 460);

    Editor = new SafePlainTextEdit(this);
    Editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    Editor->setTabChangesFocus(true);
    Editor->setPlainText(words.join(u'\n'));
    LblCount = new QLabel(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    ScreenFit::Install(this);
    auto* label = new QLabel(tr("One &word or phrase per line:"), this);
    label->setBuddy(Editor); // the editor is named by its label, and Alt+W goes to it
    layout->addWidget(label);
    layout->addWidget(Editor, 1);
    layout->addWidget(LblCount);
    layout->addWidget(buttons);

    // Counting a long list at every key would lag the typing: the count follows shortly after.
    RecountTimer = new QTimer(this);
    RecountTimer->setSingleShot(true);
    RecountTimer->setInterval(words.size() > 5000 ? 150 : 0);
    connect(RecountTimer, &QTimer::timeout, this, &WordsEditorDialog::Recount);
    connect(Editor, &QPlainTextEdit::textChanged, RecountTimer, qOverload<>(&QTimer::start));
    LblCount->setText(CountText(words.size()));
    Original = Editor->toPlainText();
    Editor->setFocus();
    UseWindowColours(this);
}

void WordsEditorDialog::reject()
{
    if (Text() != Original &&
        !Asks.Question(tr("Discard the changes you made to the words?"), false)) {
        Editor->setFocus();
        return;
    }
    QDialog::reject();
}

QString WordsEditorDialog::Text() const
{
    return Editor->toPlainText();
}

QString WordsEditorDialog::CountText(qsizetype words)
{
    return words == 1 ? tr("1 word") : tr("%1 words").arg(words);
}

void WordsEditorDialog::Recount()
{
    LblCount->setText(CountText(SplitWordLines(Text()).size()));
}
