#include "app/JobProgressDialog.h"

#include <QCoreApplication>
#include <QProgressDialog>

JobProgressDialog::JobProgressDialog(QWidget* owner) : Owner(owner)
{
    Started.start();
}

JobProgressDialog::~JobProgressDialog()
{
    delete Box;
}

bool JobProgressDialog::Step(int done, int total)
{
    if (!Box) {
        if (Started.elapsed() < 500)
            return true;
        Box = new QProgressDialog(Owner);
        Box->setWindowTitle(QStringLiteral("Plumwick"));
        Box->setWindowModality(Qt::WindowModal);
        Box->setMinimumDuration(0);
        Box->setAutoClose(false);
        Box->setAutoReset(false);
        Box->setRange(0, total);
        Box->show();
        LastUpdate.invalidate();
    }
    if (!LastUpdate.isValid() || LastUpdate.elapsed() >= 100 || done == total) {
        Box->setLabelText(QStringLiteral("Printing card %1 of %2").arg(std::min(done + 1, total)).arg(total));
        Box->setValue(done);
        QCoreApplication::processEvents();
        LastUpdate.start();
    }
    return !Box->wasCanceled();
}
