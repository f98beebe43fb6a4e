// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QElapsedTimer>
#include <QString>

class QProgressDialog;
class QWidget;

// The progress of a long print or export job: a modal "Printing card i of N" box (`format`, with
// %1 the item and %2 the total) with Cancel that appears only once a job has run for half a
// second, updated a few times a second.
class JobProgressDialog {
public:
    JobProgressDialog(QWidget* owner, const QString& format);
    ~JobProgressDialog();
    JobProgressDialog(const JobProgressDialog&) = delete;
    JobProgressDialog& operator=(const JobProgressDialog&) = delete;

    // False once the user has cancelled.
    bool Step(int done, int total);
    // Takes the box away (before the message that the job is done).
    void Close();

private:
    QString LabelText(int item, int total) const;
    QWidget* Owner;
    QString Format;
    QProgressDialog* Box = nullptr;
    QElapsedTimer Started;
    QElapsedTimer LastUpdate;
};
