// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "dialogs/JobProgressDialog.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QWidget>
#include <gtest/gtest.h>

TEST(JobProgress, AppearsOnlyForLongJobsAndCancels)
{
    QWidget owner;
    JobProgressDialog progress(&owner, QStringLiteral("Printing card %1 of %2"));
    // A short job shows nothing.
    EXPECT_TRUE(progress.Step(0, 10));
    EXPECT_EQ(owner.findChild<QProgressDialog*>(), nullptr);

    // Past half a second the box shows the card being printed.
    QThread::msleep(550);
    EXPECT_TRUE(progress.Step(3, 10));
    auto* box = owner.findChild<QProgressDialog*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->labelText(), "Printing card 4 of 10");
    EXPECT_EQ(box->accessibleName(), "Printing card 4 of 10"); // what a screen reader names it
    EXPECT_EQ(box->maximum(), 10);
    // Sized for its longest text, so nothing is cut off along its bottom or side.
    for (QWidget* child : box->findChildren<QWidget*>())
        if (child->isVisible()) {
            EXPECT_TRUE(box->rect().contains(child->geometry())) << child->metaObject()->className();
        }
    EXPECT_GE(box->height(), box->sizeHint().height());

    // Cancel stops the job at the next card.
    box->cancel();
    EXPECT_FALSE(progress.Step(4, 10));
    // Closed before the message that the job is done: gone at once.
    progress.Close();
    EXPECT_EQ(owner.findChild<QProgressDialog*>(), nullptr);
}
