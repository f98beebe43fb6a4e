// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/JobProgressDialog.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QProgressDialog>

QString JobProgressDialog::LabelText(int item, int total) const
{
    return Format.arg(item).arg(total);
}

JobProgressDialog::JobProgressDialog(QWidget* owner, const QString& format)
    : Owner(owner), Format(format)
{
    Started.start();
}

JobProgressDialog::~JobProgressDialog()
{
    Close();
}

void JobProgressDialog::Close()
{
    if (!Box)
        return;
    delete Box;
    Box = nullptr;
    // The keyboard goes back to the window the job ran from, not to a box that is gone
    // (a window manager may otherwise keep pointing at it until the next click).
    if (Owner) {
        Owner->window()->activateWindow();
        Owner->window()->raise();
    }
}

bool JobProgressDialog::Step(int done, int total)
{
    if (!Box) {
        if (Started.elapsed() < 500) {
            // No box yet, so no input: the window still repaints and answers a screen reader.
            if (!LastUpdate.isValid() || LastUpdate.elapsed() >= 50) {
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                LastUpdate.start();
            }
            return true;
        }
        Box = new QProgressDialog(Owner);
        Box->setWindowTitle(QStringLiteral("Plumwick"));
        Box->setWindowModality(Qt::WindowModal);
        Box->setMinimumDuration(0);
        Box->setAutoClose(false);
        Box->setAutoReset(false);
        Box->setRange(0, total);
        // Sized for the longest text it will show, so that no later text is clipped.
        Box->setLabelText(LabelText(total, total));
        Box->adjustSize();
        Box->setFixedSize(Box->sizeHint().expandedTo(Box->size()));
        Box->show();
        LastUpdate.invalidate();
    }
    if (!LastUpdate.isValid() || LastUpdate.elapsed() >= 100 || done == total) {
        const QString text = LabelText(std::min(done + 1, total), total);
        Box->setLabelText(text);
        // The box and its bar are named by what they count, for a screen reader.
        Box->setAccessibleName(text);
        if (auto* bar = Box->findChild<QProgressBar*>())
            bar->setAccessibleName(text);
        Box->setValue(done);
        QCoreApplication::processEvents();
        LastUpdate.start();
    }
    return !Box->wasCanceled();
}
