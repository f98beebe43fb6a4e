#include "platform/ui/QtPrompts.h"
#include "platform/PlatformError.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
const QString Caption = QStringLiteral("Plumwick");
}

QString QtFileFilter(const QString& barFilter)
{
    const QStringList parts = barFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(u';', u' ');
        // A description that already names its pattern in brackets is used as it stands.
        if (description.contains(u'(' + parts[i + 1] + u')'))
            filters << description;
        else
            filters << description + QStringLiteral(" (") + pattern + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

void QtPrompts::Information(const QString& text)
{
    QMessageBox box(QMessageBox::Information, Caption, text, QMessageBox::Ok, Owner);
    box.exec();
}

bool QtPrompts::Question(const QString& text, bool yesIsDefault)
{
    QMessageBox box(QMessageBox::Question, Caption, text, QMessageBox::Yes | QMessageBox::No, Owner);
    box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompts::Error(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, Caption, ErrorBoxText(message), QMessageBox::Ok, Owner);
    box.exec();
}

std::optional<QString> QtPrompts::RunFileDialog(const FileDialogSpec& request, bool save)
{
    QFileDialog dialog(Owner, request.Title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile); // the open dialog too: a typed name need not exist
    dialog.setNameFilter(QtFileFilter(request.Filter));
    if (!request.DefaultExt.isEmpty())
        dialog.setDefaultSuffix(request.DefaultExt.startsWith(u'.') ? request.DefaultExt.mid(1) : request.DefaultExt);
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
