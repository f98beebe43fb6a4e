// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// One game dealt by several processes at once: two plumwick-print runs taking the next 1,000
// cards each and two dealers taking 1,000 cards one at a time, as phones are dealt, lose
// nothing and never hand out one card twice.
#include "support/PrintProcess.h"

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
