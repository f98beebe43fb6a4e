// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Every window in every shipped language: no text left in English, no access key used twice
// in a menu or a window, no text cut off or run into its field. PLUMWICK_PICTURES=DIR also
// saves each window as DIR/<language>-<window>.png.
#include "app/CallerWindow.h"
#include "dialogs/CheckCardDialog.h"
#include "game/GameCode.h"
#include <functional>
#include "dialogs/ExportDialog.h"
#include "dialogs/PageSetupDialog.h"
#include "dialogs/CardDesignDialog.h"
#include "dialogs/PatternEditorDialog.h"
#include "dialogs/PrizesDialog.h"
#include "app/RoomDisplay.h"
#include "dialogs/WordsEditorDialog.h"
#include "dialogs/UnitFrmAbout.h"
#include "platform/ui/FormScale.h"
#include "dialogs/UnitFrmFont.h"
#include "platform/Translations.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTextDocument>
#include <map>

namespace {

// Notes which source texts a catalogue translates as themselves ("OK", "Status"), so that
// the same text in both languages can be told from a text that never met the catalogue.
class NotingTranslator final : public QTranslator {
public:
    explicit NotingTranslator(QTranslator& inner) : Inner(inner) {}
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        const QString result = Inner.translate(context, source, disambiguation, n);
        if (result == QString::fromUtf8(source))
            Same.insert(result);
        return result;
    }
    bool isEmpty() const override { return false; }
    mutable QSet<QString> Same;

private:
    QTranslator& Inner;
};

struct ShownWindow {
    std::string Name;
    QWidget* Widget;
};

// Every text a user sees or hears in a window, in a fixed order: titles, captions, tips,
// the names a screen reader says, and the menus with their commands.
QStringList Texts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    auto add = [&](QWidget* w) {
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w))
            texts << group->title();
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
    };
    for (QWidget* w : window->findChildren<QWidget*>())
        if (!qobject_cast<QMenu*>(w) && w->window() == window)
            add(w);
    if (auto* bar = window->findChild<QMenuBar*>())
        for (QAction* top : bar->actions()) {
            texts << top->text();
            if (top->menu())
                for (QAction* a : top->menu()->actions())
                    texts << a->text();
        }
    return texts;
}

QChar AccessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// The access keys of one scope (a window's controls, the menu bar, one menu) used twice.
QStringList Twice(const QStringList& texts)
{
    std::map<QChar, QStringList> byKey;
    for (const QString& t : texts)
        if (const QChar key = AccessKey(t); !key.isNull())
            byKey[key] << t;
    QStringList clashes;
    for (const auto& [key, users] : byKey)
        if (users.size() > 1)
            clashes << users.join(QStringLiteral(" / "));
    return clashes;
}

void ExpectUniqueAccessKeys(QWidget* window, const std::string& name)
{
    QStringList controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window)
            continue;
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            controls << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isVisibleTo(window))
            controls << button->text();
    }
    EXPECT_EQ(Twice(controls), QStringList()) << name;
    if (auto* bar = window->findChild<QMenuBar*>()) {
        QStringList tops;
        for (QAction* top : bar->actions()) {
            tops << top->text();
            if (top->menu()) {
                QStringList commands;
                for (QAction* a : top->menu()->actions())
                    commands << a->text();
                EXPECT_EQ(Twice(commands), QStringList()) << name << " menu " << top->text().toStdString();
            }
        }
        EXPECT_EQ(Twice(tops), QStringList()) << name << " menu bar";
    }
}

// A text shown in a window is never narrower than it needs, nor runs into the field it names.
void ExpectNothingCutOff(QWidget* window, const std::string& name)
{
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window) || qobject_cast<QMenuBar*>(w))
            continue;
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        if ((!label || label->wordWrap() || label->text().isEmpty()) && (!button || button->text().isEmpty()))
            continue;
        const QString text = label ? label->text() : button->text();
        if (label && label->textFormat() != Qt::PlainText && Qt::mightBeRichText(text)) {
            QTextDocument document;
            document.setHtml(text);
            EXPECT_GE(w->width(), label->fontMetrics().horizontalAdvance(document.toPlainText()))
                << name << ": '" << document.toPlainText().toStdString() << "' is cut off";
            continue;
        }
        EXPECT_GE(w->width() + 1, w->minimumSizeHint().width()) << name << ": '" << text.toStdString() << "' is cut off";
        if (label) {
            // Where its text is drawn stays clear of the controls beside it (a centred
            // caption grows both ways).
            const QSize inked(label->fontMetrics().horizontalAdvance(text), label->fontMetrics().height());
            const QRect drawn = QStyle::alignedRect(label->layoutDirection(), label->alignment(), inked, label->geometry());
            for (QObject* o : label->parentWidget()->children()) {
                auto* other = qobject_cast<QWidget*>(o);
                if (other && other != label && other->isVisibleTo(window) && other != label->buddy() &&
                    !other->isWindow() && drawn.intersects(other->geometry()))
                    ADD_FAILURE() << name << ": '" << text.toStdString() << "' is drawn over "
                                  << other->metaObject()->className() << " " << other->objectName().toStdString();
            }
        }
        if (label && label->buddy() && label->buddy()->parentWidget() == label->parentWidget() &&
            label->buddy()->x() > label->x() && label->geometry().intersects(label->buddy()->geometry())) {
            const int textRight = label->x() + label->sizeHint().width();
            EXPECT_LE(textRight, label->buddy()->x()) << name << ": '" << text.toStdString() << "' runs into its field";
        }
    }
}

std::vector<ShownWindow> Windows(TFrmMain& main, ScriptedPrompts& asks, RecordingShell& desktop,
                            std::vector<std::unique_ptr<QWidget>>& keep);

// The windows that change for 90-ball tickets, as they show a game of tickets: the main
// window, the caller and the checker.
std::vector<ShownWindow> TicketWindows(TFrmMain& main, ScriptedPrompts& asks, std::vector<std::unique_ptr<QWidget>>& keep)
{
    main.MnuTickets->trigger();
    GameSource tickets = main.CurrentGameSource();
    tickets.Code = tickets.Key = GameCode{7, NinetyBall::TicketShape()}.Text();
    auto caller = std::make_unique<CallerWindow>(&main, asks, nullptr, [&] { return main.CurrentGameSource(); },
                                                 [] { return 1; });
    caller->Play(tickets);
    auto check = std::make_unique<CheckCardDialog>(&main, asks, [&] { return main.CurrentGameSource(); }, tickets.Code);
    static const QList<GameRecord> games{GameRecord{tickets.Code, {}, {}, 3, true}};
    auto exporting = std::make_unique<ExportDialog>(&main, asks, QDir::tempPath(), 4, &games, true);
    std::vector<ShownWindow> windows{{"main-window-tickets", &main}, {"caller-tickets", caller.get()},
                                     {"check-ticket", check.get()}, {"export-tickets", exporting.get()}};
    keep.push_back(std::move(caller));
    keep.push_back(std::move(check));
    keep.push_back(std::move(exporting));
    for (const ShownWindow& w : windows) {
        w.Widget->show();
        w.Widget->adjustSize();
    }
    return windows;
}

// Runs `each` on every window: as for cards, then those that change as for tickets.
void ForEveryWindow(TFrmMain& main, ScriptedPrompts& asks, RecordingShell& desktop,
                    std::vector<std::unique_ptr<QWidget>>& keep, const std::function<void(const ShownWindow&)>& each)
{
    for (const ShownWindow& w : Windows(main, asks, desktop, keep))
        each(w);
    for (const ShownWindow& w : TicketWindows(main, asks, keep))
        each(w);
    main.MnuTickets->trigger(); // back to cards, as the settings were
}

std::vector<ShownWindow> Windows(TFrmMain& main, ScriptedPrompts& asks, RecordingShell& desktop,
                            std::vector<std::unique_ptr<QWidget>>& keep)
{
    static const QList<GameRecord> games{GameRecord{QStringLiteral("K7F2-9QXA"), QStringLiteral("/tmp/animals.pwk"), {}, 40}};
    keep.push_back(std::make_unique<CallerWindow>(&main, asks, nullptr, [&] { return main.CurrentGameSource(); },
                                                  [] { return 1; }));
    keep.push_back(std::make_unique<CheckCardDialog>(&main, asks, [&] { return main.CurrentGameSource(); }));
    keep.push_back(std::make_unique<ExportDialog>(&main, asks, QDir::tempPath(), 4, &games));
    keep.push_back(std::make_unique<PageSetupDialog>(&main, QStringLiteral("Laser"), QStringList{"Letter", "A4"},
                                                     QStringLiteral("A4")));
    keep.push_back(std::make_unique<WordsEditorDialog>(&main, asks, QStringList{"cat"}));
    keep.push_back(std::make_unique<TFrmAbout>(&main, desktop, asks));
    keep.push_back(std::make_unique<TFrmFonts>(&main, asks));
    keep.push_back(std::make_unique<PrizesDialog>(&main, asks, false, 5, PrizeRound::Usual(false)));
    keep.push_back(std::make_unique<PatternEditorDialog>(&main, asks));
    keep.push_back(std::make_unique<CardDesignDialog>(&main, asks, CardDesign(), [](Surface&, int, int, const DesignedLook&) {}));
    auto room = std::make_unique<RoomDisplay>(&main);
    room->ShowPrize(QCoreApplication::translate("CallerWindow", "Prize %1 of %2: %3").arg(1).arg(3).arg(ClassicPattern(WinPattern::AnyLine).Name),
                    &ClassicPattern(WinPattern::AnyLine), 5, QString());
    keep.push_back(std::move(room));
    const char* names[] = {"caller", "check-card", "export", "page-setup", "edit-words", "about-box", "font-dialog",
                           "prizes", "patterns", "card-design", "room-display"};
    std::vector<ShownWindow> windows{{"main-window", &main}};
    for (size_t i = 0; i < keep.size(); ++i)
        windows.push_back({names[i], keep[i].get()});
    for (const ShownWindow& w : windows) {
        w.Widget->show();
        w.Widget->adjustSize();
    }
    return windows;
}

// The windows as the program shows them: in its own font.
class WindowFontTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        Before = QApplication::font();
        FormScale::UseWindowFont();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        QApplication::setFont(Before);
    }
    QFont Before;
};

class TranslatedWindows : public WindowFontTest, public ::testing::WithParamInterface<const char*> {};

} // namespace

TEST(Translation, EveryShippedLanguageIsBuiltIn)
{
    EXPECT_EQ(Translations::Shipped(), (QStringList{"de", "es", "fr"}));
    Translations none;
    EXPECT_FALSE(none.Install(QLocale(QLocale::Japanese)));
    EXPECT_EQ(QCoreApplication::translate("TFrmMain", "&Print"), QStringLiteral("&Print"));
}

TEST_P(TranslatedWindows, SpeakTheLanguageWholeWithUniqueKeysAndRoomForEveryText)
{
    const QString language = QString::fromLatin1(GetParam());
    QStringList english;
    {
        TFrmMain& main = Open();
        std::vector<std::unique_ptr<QWidget>> keep;
        ForEveryWindow(main, Asks, Desktop, keep, [&](const ShownWindow& w) { english << Texts(w.Widget); });
        keep.clear();
        Window.reset();
    }

    Translations catalogue;
    ASSERT_TRUE(catalogue.Install(QLocale(language)));
    QTranslator own;
    ASSERT_TRUE(own.load(QLocale(language), QStringLiteral("plumwick"), QStringLiteral("_"), QStringLiteral(":/i18n")));
    NotingTranslator noting(own);
    QCoreApplication::installTranslator(&noting);
    EXPECT_NE(QCoreApplication::translate("TFrmMain", "&Print"), QStringLiteral("&Print"));

    TFrmMain& main = Open();
    std::vector<std::unique_ptr<QWidget>> keep;
    QStringList translated;
    ForEveryWindow(main, Asks, Desktop, keep, [&](const ShownWindow& w) {
        translated << Texts(w.Widget);
        ExpectUniqueAccessKeys(w.Widget, w.Name);
        ExpectNothingCutOff(w.Widget, w.Name);
        if (const QString folder = qEnvironmentVariable("PLUMWICK_PICTURES"); !folder.isEmpty())
            w.Widget->grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, language, QString::fromStdString(w.Name)));
    });

    // Texts the same in both languages: only those the catalogue keeps as they are, and the
    // lists a user named (the samples, the recent lists), which are not the program's words.
    QSet<QString> ownNames{QStringLiteral("Laser"), QStringLiteral("Arial")}; // a printer's and a font's name
    for (QMenu* menu : {main.MnuSample, main.MnuFileRecent})
        for (QAction* a : menu->actions())
            ownNames << a->text();
    auto intended = [&](const QString& text) {
        for (const QString& same : noting.Same) {
            QStringList parts = same.split(QRegularExpression(QStringLiteral("%\\d")));
            for (QString& part : parts)
                part = QRegularExpression::escape(part);
            const QString pattern = parts.join(QStringLiteral(".*"));
            if (QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch())
                return true;
        }
        return false;
    };
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]{2,}"));
    static const QRegularExpression productAndVersion(QStringLiteral("^Plumwick V[0-9.]+$"));
    ASSERT_EQ(english.size(), translated.size());
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (english[i] == translated[i] && letters.match(english[i]).hasMatch() && !ownNames.contains(english[i]) &&
            !productAndVersion.match(english[i]).hasMatch()) {
            EXPECT_TRUE(intended(english[i])) << language.toStdString() << ": left in English: " << english[i].toStdString();
        }
    }

    keep.clear();
    Window.reset();
    QCoreApplication::removeTranslator(&noting);
    catalogue.Install(QLocale(QLocale::English));
}

INSTANTIATE_TEST_SUITE_P(Shipped, TranslatedWindows, ::testing::Values("de", "fr", "es"),
                         [](const auto& info) { return std::string(info.param); });

// The English windows pass the same checks, so that the checks can tell.
using EnglishWindows = WindowFontTest;

TEST_F(EnglishWindows, HaveUniqueKeysAndRoomForEveryText)
{
    TFrmMain& main = Open();
    std::vector<std::unique_ptr<QWidget>> keep;
    ForEveryWindow(main, Asks, Desktop, keep, [&](const ShownWindow& w) {
        ExpectUniqueAccessKeys(w.Widget, w.Name);
        ExpectNothingCutOff(w.Widget, w.Name);
    });
}
