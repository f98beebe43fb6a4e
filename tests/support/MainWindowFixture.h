// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "app/UnitMain.h"
#include "support/SteppingClock.h"
#include "platform/PlatformError.h"
#include "platform/Shell.h"
#include "support/FakePrinters.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <functional>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

// Runs `act` on the modal dialog of this type once it is open (the code that opens it waits
// in its own event loop meanwhile).
template <class Dialog>
void WhenOpen(std::function<void(Dialog*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

class RecordingShell final : public Shell {
public:
    void Open(const QUrl& url) override
    {
        Opened << url;
        if (Fails)
            throw PlatformError(CouldNotOpenMessage(url));
    }
    QList<QUrl> Opened;
    bool Fails = false; // as where no program opens web pages or files
};

// The main window on the offscreen platform, with scripted prompts, a fake printer and
// its own per-user data folder (settings in Home.DataFolder()).
class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        Window.reset();
        EXPECT_TRUE(Asks.Done()) << "prompts expected but not shown";
    }

    // Creates the window; settings written before this are read at start-up.
    TFrmMain& Open()
    {
        Window = std::make_unique<TFrmMain>(TFrmMain::Services{Asks, Printer, SeedClock, Desktop});
        return *Window;
    }
    void WriteSettings(const QByteArray& bytes) { Home.Folder.Write("Plumwick/Options.ini", bytes); }
    QByteArray Settings() const { return Home.Folder.Read("Plumwick/Options.ini"); }

    void Type(const QString& text) { QTest::keyClicks(Window->CboCardStr->lineEdit(), text); }
    void Enter() { QTest::keyClick(Window->CboCardStr->lineEdit(), Qt::Key_Return); }
    void AddWord(const QString& word)
    {
        Window->CboCardStr->setEditText(word);
        Window->BtnAddClick();
    }
    void AddWords(const QStringList& words)
    {
        for (const QString& w : words)
            AddWord(w);
    }

    TempDataHome Home;
    ScriptedPrompts Asks;
    FakePrinters Printer;
    SteppingClock SeedClock;
    RecordingShell Desktop;
    std::unique_ptr<TFrmMain> Window;
};
