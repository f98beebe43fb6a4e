// The main window with a big list: opening a 100,000-word file into the word box, and
// adding one word to it, each with the card arranged and painted.
#include "app/UnitMain.h"
#include "platform/Clock.h"
#include "platform/Printers.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Answers every file dialog with one path and every question with No.
class FixedPrompts final : public Prompts {
public:
    QString Path;
    void Information(const QString&) override {}
    bool Question(const QString&, bool) override { return false; }
    void Error(const QString& message) override { qFatal("%s", qPrintable(message)); }
    std::optional<QString> OpenFileName(const FileDialogSpec&) override { return Path; }
    std::optional<QString> SaveFileName(const FileDialogSpec&) override { return Path; }
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

// Debian's word list where it is installed, else 100,000 made-up words.
QString WordFile(QTemporaryDir& dir)
{
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
