// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/ui/QtPrompts.h"
#include "platform/PlatformError.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include "platform/ui/ScreenFit.h"

namespace {

const QString Caption = QStringLiteral("Plumwick");
// Longer runs without a space (a pasted code, a deep path) are shortened around an ellipsis.
constexpr qsizetype LongestRun = 120;

// A Yes/No box as the other system has it: with no Cancel button, Escape and the title
// bar's close button do nothing, so that only Yes or No answers the question.
class YesNoBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

QWidget* QtPrompts::Parent() const
{
    // A box raised while a dialog is open belongs to that dialog, and one raised from another
    // window of ours (the caller, say, in full screen) to that window: it stays in front,
    // and the keyboard goes back to it afterwards.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (auto* asker = qobject_cast<QWidget*>(Asker()); asker && asker->isVisible())
        return asker->window();
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return Owner;
}

QString QtFileFilter(const QString& barFilter)
{
    const QStringList parts = barFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString pattern = QString(parts[i + 1]).replace(u';', u' ');
        // "*.*" means every file there; here many names have no dot.
        if (pattern == QStringLiteral("*.*"))
            pattern = QStringLiteral("*");
        // A description that already names its pattern in brackets is used as it stands.
        if (description.contains(u'(' + parts[i + 1] + u')'))
            filters << QString(description).replace(u'(' + parts[i + 1] + u')', u'(' + pattern + u')');
        else
            filters << description + QStringLiteral(" (") + pattern + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

void QtPrompts::Information(const QString& text)
{
    QMessageBox box(QMessageBox::Information, Caption, ElideForMessage(text, LongestRun), QMessageBox::Ok, Parent());
    ScreenFit::Install(&box, true, false);
    box.exec();
}

bool QtPrompts::Question(const QString& text, bool yesIsDefault)
{
    YesNoBox box(QMessageBox::Question, Caption, ElideForMessage(text, LongestRun), QMessageBox::Yes | QMessageBox::No,
                 Parent());
    ScreenFit::Install(&box, true, false);
    box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Prompts::Answer QtPrompts::QuestionOrCancel(const QString& text)
{
    QMessageBox box(QMessageBox::Question, Caption, ElideForMessage(text, LongestRun),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Parent());
    ScreenFit::Install(&box, true, false);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    return answer == QMessageBox::Yes ? Answer::Yes : answer == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void QtPrompts::Error(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, Caption, ErrorBoxText(ElideForMessage(message, LongestRun)), QMessageBox::Ok,
                    Parent());
    ScreenFit::Install(&box, true, false);
    box.exec();
}

std::optional<QString> QtPrompts::RunFileDialog(const FileDialogSpec& request, bool save)
{
    QFileDialog dialog(Parent(), request.Title);
    ScreenFit::Install(&dialog);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.AskBeforeReplacing);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // the open dialog too: a typed name need not exist
    dialog.setNameFilter(QtFileFilter(request.Filter));
    if (!request.DefaultExt.isEmpty())
        dialog.setDefaultSuffix(request.DefaultExt.startsWith(u'.') ? request.DefaultExt.mid(1) : request.DefaultExt);
    if (!request.Folder.isEmpty())
        dialog.setDirectory(request.Folder);
    if (!request.FileName.isEmpty())
        dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPrompts::OpenFileName(const FileDialogSpec& request)
{
    return RunFileDialog(request, false);
}

std::optional<QString> QtPrompts::SaveFileName(const FileDialogSpec& request)
{
    return RunFileDialog(request, true);
}

std::optional<QString> QtPrompts::FolderName(const QString& title, const QString& start)
{
    QFileDialog dialog(Parent(), title, start);
    ScreenFit::Install(&dialog);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> QtPrompts::ChooseColour(const QString& title, const QColor& start)
{
    QColorDialog dialog(start.isValid() ? start : QColor(Qt::white), Parent());
    ScreenFit::Install(&dialog);
    dialog.setWindowTitle(title);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    return dialog.selectedColor();
}
