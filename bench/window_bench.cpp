// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The main window with a big list: opening a 100,000-word file into the word box, adding
// one word to it, pasting 10,000 lines and editing the words as text, each with the card
// arranged and painted.
#include "widgets/PaintBox.h"
#include "app/UnitMain.h"
#include "dialogs/WordsEditorDialog.h"
#include "platform/Clock.h"
#include "platform/Printers.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Answers every file dialog with one path and every question with No.
class FixedPrompts final : public Prompts {
public:
    QString Path;
    void Information(const QString&) override {}
    bool Question(const QString&, bool) override { return false; }
    Answer QuestionOrCancel(const QString&) override { return Answer::No; }
    void Error(const QString& message) override { qFatal("%s", qPrintable(message)); }
    std::optional<QString> OpenFileName(const FileDialogSpec&) override { return Path; }
    std::optional<QString> SaveFileName(const FileDialogSpec&) override { return Path; }
    std::optional<QString> FolderName(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QColor> ChooseColour(const QString&, const QColor&) override { return std::nullopt; }
};

class NoPrinters final : public Printers {
public:
    QStringList Names() override { return {}; }
    int DefaultIndex() override { return -1; }
    void SetCurrent(int) override {}
    DeviceCaps Caps() override { return {}; }
    void SetTitle(const QString&) override {}
    bool BeginDoc() override { return false; }
    void NewPage() override {}
    void EndDoc() override {}
    void Abort() override {}
    Surface& Canvas() override { std::abort(); }
};

class NoShell final : public Shell {
public:
    void Open(const QUrl&) override {}
};

// Debian's word list where it is installed, else 100,000 made-up words (or the list that
// PLUMWICK_BENCH_WORDS names, to try a longer one).
QString WordFile(QTemporaryDir& dir)
{
    if (const QString chosen = qEnvironmentVariable("PLUMWICK_BENCH_WORDS"); !chosen.isEmpty())
        return chosen;
    const QString dict = QStringLiteral("/usr/share/dict/words");
    if (QFile::exists(dict))
        return dict;
    QByteArray bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += "word" + QByteArray::number(i * 7919 % 100000) + "\n";
    const QString path = dir.filePath(QStringLiteral("words.pwk"));
    TextFile::WriteAll(path, bytes);
    return path;
}

struct Window {
    FixedPrompts Asks;
    NoPrinters PrinterList;
    SteadyClock SeedClock;
    NoShell Desktop;
    TFrmMain Main{TFrmMain::Services{Asks, PrinterList, SeedClock, Desktop}};
    Window() { Main.show(); }
};

void OpenHundredThousandWords(benchmark::State& state)
{
    QTemporaryDir dir;
    Window w;
    w.Asks.Path = WordFile(dir);
    for (auto _ : state) {
        w.Main.MnuFileOpenClick();
        QCoreApplication::processEvents();
    }
    state.counters["words"] = static_cast<double>(w.Main.WordList.Count());
}
BENCHMARK(OpenHundredThousandWords)->Unit(benchmark::kMillisecond)->Iterations(5);

void AddOneWordToHundredThousand(benchmark::State& state)
{
    QTemporaryDir dir;
    Window w;
    w.Asks.Path = WordFile(dir);
    w.Main.MnuFileOpenClick();
    int n = 0;
    for (auto _ : state) {
        w.Main.CboCardStr->setEditText(QStringLiteral("zz added %1").arg(++n));
        w.Main.BtnAddClick();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(AddOneWordToHundredThousand)->Unit(benchmark::kMillisecond);

// 10,000 lines pasted into the word box with Ctrl+V: all of them arrive, in one sorted
// insertion pass, one arrangement, one painted card.
void PasteTenThousandLines(benchmark::State& state)
{
    QStringList lines;
    for (int i = 0; i < 10000; ++i)
        lines << QStringLiteral("pasted word %1").arg(i * 7919 % 10000);
    const QString text = lines.join(u'\n');
    for (auto _ : state) {
        state.PauseTiming();
        Window w;
        QCoreApplication::processEvents();
        QGuiApplication::clipboard()->setText(text);
        state.ResumeTiming();
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("v"));
        QCoreApplication::sendEvent(w.Main.CboCardStr->lineEdit(), &paste);
        QCoreApplication::processEvents();
        if (w.Main.WordList.Count() != lines.size())
            state.SkipWithError("the paste did not arrive whole");
    }
}
BENCHMARK(PasteTenThousandLines)->Unit(benchmark::kMillisecond)->Iterations(5);

// Edit Words with the 100,000-word list: the dialog shown (range 0), and OK with a changed
// text back to the painted card (range 1).
void EditHundredThousandWords(benchmark::State& state)
{
    QTemporaryDir dir;
    Window w;
    w.Asks.Path = WordFile(dir);
    w.Main.MnuFileOpenClick();
    const bool ok = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        QElapsedTimer clock;
        qint64 shown = 0;
        QTimer::singleShot(0, [&] {
            shown = clock.nsecsElapsed();
            auto* dialog = qobject_cast<WordsEditorDialog*>(QApplication::activeModalWidget());
            if (ok) {
                dialog->Editor->moveCursor(QTextCursor::End);
                dialog->Editor->insertPlainText(QStringLiteral("\nadded %1").arg(clock.nsecsElapsed()));
                clock.restart();
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        state.ResumeTiming();
        clock.start();
        w.Main.MnuFileEditWordsClick();
        QCoreApplication::processEvents();
        const qint64 took = ok ? clock.nsecsElapsed() : shown;
        state.SetIterationTime(static_cast<double>(took) / 1e9);
    }
}
BENCHMARK(EditHundredThousandWords)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Counts the paint box's paints: a figure ends when the card is on the screen.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(QWidget* box) { box->installEventFilter(this); }
    int Paints = 0;
    // Runs the event loop until a paint after the count given has been handled (it may
    // have been already); false after five seconds without one.
    bool WaitForPaint(int since)
    {
        QElapsedTimer waited;
        waited.start();
        while (Paints == since && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return Paints > since;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

// The program started with the 100,000-word file, as a file manager starts it: from the
// window showing to the card painted (run under X to count the real painting).
void StartWithHundredThousandWords(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = WordFile(dir);
    for (auto _ : state) {
        state.PauseTiming();
        FixedPrompts asks;
        NoPrinters printers;
        SteadyClock clock;
        NoShell desktop;
        TFrmMain main(TFrmMain::Services{asks, printers, clock, desktop});
        PaintWatch watch(main.PB);
        state.ResumeTiming();
        QElapsedTimer took;
        took.start();
        main.show();
        main.OpenListFile(path);
        const bool painted = watch.WaitForPaint(0);
        state.SetIterationTime(double(took.nsecsElapsed()) / 1e9);
        if (!painted || main.WordList.Count() < 50000)
            state.SkipWithError("the list did not open");
    }
}
BENCHMARK(StartWithHundredThousandWords)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Return pressed in the word box with a new word and 100,000 words in the list, to the card
// painted again.
void ReturnWithHundredThousandWords(benchmark::State& state)
{
    QTemporaryDir dir;
    Window w;
    w.Asks.Path = WordFile(dir);
    w.Main.MnuFileOpenClick();
    PaintWatch watch(w.Main.PB);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.Main.CboCardStr->setEditText(QStringLiteral("zz typed %1").arg(++n));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QElapsedTimer took;
        took.start();
        const int before = watch.Paints;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(w.Main.CboCardStr->lineEdit(), &press);
        const bool painted = watch.WaitForPaint(before);
        state.SetIterationTime(double(took.nsecsElapsed()) / 1e9);
        if (!painted)
            state.SkipWithError("the card was not painted again");
    }
}
BENCHMARK(ReturnWithHundredThousandWords)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_DATA_HOME", "/nonexistent-plumwick-bench-home");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
