// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// One game dealt by several processes at once: two plumwick-print runs taking the next 1,000
// cards each and two dealers taking 1,000 cards one at a time, as phones are dealt, lose
// nothing and never hand out one card twice. The lock they share: a waiter waits while it
// changes hands, gives up only on a hung holder, and what a killed holder left is no lock.
#include "platform/FileLock.h"
#include "platform/PlatformError.h"
#include "records/GameHistory.h"
#include "support/PrintProcess.h"

#include <QFileInfo>
#include <QSysInfo>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

TEST(GameLedgerProcesses, FourDealersAtOnceNeverHandOutTheSameCard)
{
    TempFolder folder;
    const QString list = WriteNumbersList(folder);
    const PrintRun made = RunPlumwickPrint(folder, {"-q", "--numbered", "--cards", "10", "-o", "first.pdf", list});
    ASSERT_EQ(made.Status, 0) << made.Err.toStdString();
    const QString code = QRegularExpression("Game code: (\\S+)").match(made.Out).captured(1);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", folder.Path("home"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    std::vector<std::unique_ptr<QProcess>> dealers;
    const auto start = [&](const QString& program, const QStringList& arguments) {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(folder.Path());
        p->start(program, arguments);
        dealers.push_back(std::move(p));
    };
    for (const QString pdf : {"a.pdf", "b.pdf"})
        start(PLUMWICK_PRINT, {"-q", "--game", code, "--more", "--cards", "1000", "--per-page", "4", "-o", pdf, list});
    for (int i = 0; i < 2; ++i)
        start(LEDGER_CHILD, {code, list, "1000"});

    QList<int> cards;
    for (auto& p : dealers) {
        ASSERT_TRUE(p->waitForFinished(240000));
        ASSERT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    for (int i = 2; i < 4; ++i)
        for (const QByteArray& line : dealers[static_cast<size_t>(i)]->readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                cards << line.toInt();
    // What each printed job carries under its cards: "Card 17 · Game CODE".
    for (const QString pdf : {"a.pdf", "b.pdf"}) {
        const QString text = ToolOutput("pdftotext", {folder.Path(pdf), "-"});
        auto lines = QRegularExpression("Card (\\d+) · Game " + code).globalMatch(text);
        int printed = 0;
        while (lines.hasNext()) {
            cards << lines.next().captured(1).toInt();
            ++printed;
        }
        EXPECT_EQ(printed, 1000) << pdf.toStdString();
    }
    ASSERT_EQ(cards.size(), 4000);
    const QSet<int> distinct(cards.cbegin(), cards.cend());
    EXPECT_EQ(distinct.size(), 4000); // no card twice
    EXPECT_EQ(*std::min_element(cards.cbegin(), cards.cend()), 11); // none of the 10 printed first
    EXPECT_EQ(*std::max_element(cards.cbegin(), cards.cend()), 4010); // and nothing lost between them
    const QJsonArray history = QJsonDocument::fromJson(folder.Read("home/Plumwick/Games.json")).array();
    ASSERT_EQ(history.size(), 1);
    EXPECT_EQ(history[0].toObject().value("cards").toInt(), 4010);
}

namespace {

// A holder of the lock in a process of its own (ledger_child --hold), started and had.
std::unique_ptr<QProcess> StartHolder(const QString& lockFile, int ms, int times)
{
    auto holder = std::make_unique<QProcess>();
    holder->start(LEDGER_CHILD, {"--hold", lockFile, QString::number(ms), QString::number(times)});
    while (!holder->canReadLine() && holder->waitForReadyRead(60000)) {
    }
    return holder;
}

} // namespace

TEST(GameLedgerProcesses, ALockLeftBehindIsTakenAtOnce)
{
    // What a killed or foreign holder leaves: none of it is anyone's lock now.
    struct Case {
        const char* what;
        QByteArray bytes;
        QFile::Permissions permissions;
    };
    const QFile::Permissions usual = QFile::ReadOwner | QFile::WriteOwner;
    const Case cases[] = {
        {"empty: killed as it was made", "", usual},
        {"a process that is gone", "999999\nplumwick\n" + QSysInfo::machineHostName().toUtf8() + "\n", usual},
        {"another host's", "4242\nplumwick\nsome-other-host\n", usual},
        {"not text at all", QByteArray("\0\xff\xfe garbage", 12), usual},
        {"a file no one may open", "4242\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDataHome home;
        const QString lockFile = home.DataFolder() + "/Games.json.lock";
        home.Folder.Write("Plumwick/Games.json.lock", c.bytes);
        QFile::setPermissions(lockFile, c.permissions);
        // Before the mend, each of these waited 20 seconds and failed.
        const GameHistory::TakenCards taken = GameHistory::Take({"AAAA-BBBB", "/l.pwk", CardOptions{}, 0}, 3);
        EXPECT_TRUE(taken.Recorded) << taken.Note.toStdString();
        EXPECT_EQ(taken.First, 1);
        EXPECT_FALSE(QFileInfo::exists(lockFile)); // let go and removed
    }
}

TEST(GameLedgerProcesses, AWaiterWaitsWhileTheLockChangesHandsAndGivesUpOnAHungHolder)
{
    TempFolder folder;
    const QString lockFile = folder.Path("Games.json.lock");
    {
        // Two holders pass the lock to and fro for about four seconds, each keeping it a
        // fifth of a second: longer in all than the waiter's limit, never for one holder.
        std::vector<std::unique_ptr<QProcess>> holders;
        for (int i = 0; i < 2; ++i)
            holders.push_back(StartHolder(lockFile, 200, 10));
        EXPECT_NO_THROW(FileLock(lockFile, 3000));
        for (auto& holder : holders)
            EXPECT_TRUE(holder->waitForFinished(120000));
    }
    // One holder that keeps it: given up on after the limit, with what to do.
    const auto hung = StartHolder(lockFile, 600000, 1);
    try {
        FileLock lock(lockFile, 2000);
        ADD_FAILURE() << "the lock was had while another process held it";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.Text(), lockFile + ": another Plumwick has held it for 2 seconds; try again when it has finished");
    }
    hung->kill();
    hung->waitForFinished();
    EXPECT_NO_THROW(FileLock(lockFile, 2000)); // and had at once when its holder is gone
}
