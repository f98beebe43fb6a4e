#pragma once
#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QTimer;

// File > Edit Words: the whole list as plain text, one word per line, in a plain-text
// editor with the usual editing keys and undo, and a count of the words under it that
// follows the typing. It only edits text; the main window decides what OK changes.
class WordsEditorDialog final : public QDialog {
    Q_OBJECT

public:
    WordsEditorDialog(QWidget* owner, const QStringList& words);

    QString Text() const;
    QPlainTextEdit* Editor = nullptr;
    QLabel* LblCount = nullptr;

    // "32 words", "1 word".
    static QString CountText(qsizetype words);

private:
    void Recount();
    QTimer* RecountTimer = nullptr;
};
