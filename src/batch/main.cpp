// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// plumwick-print: prints bingo cards or the call list of a word list without a window.
#include "platform/CommandLine.h"
#include "platform/HeapTuning.h"
#include "batch/BatchGame.h"
#include "batch/BatchOptions.h"
#include "batch/BatchPrint.h"
#include "platform/Translations.h"

#include <QGuiApplication>
#include <QHashFunctions>
#include <cstdio>

namespace {

// Qt's own warnings (a missing runtime folder, font substitutions) are not the user's
// business on a command line; PLUMWICK_DEBUG=1 shows them.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg || qEnvironmentVariableIsSet("PLUMWICK_DEBUG"))
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    KeepFreedMemoryForReuse();
    qInstallMessageHandler(QuietMessages);
    // The PDF engine keeps its fonts in hashes; with Qt's random hash seed their order in the
    // file changes from run to run, and a repeatable job must give the same bytes.
    QHashSeed::setDeterministicGlobalSeed();
    // A command-line program: no display needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int forQt = ArgumentsForQt(argc, argv);
    int qtArgc = forQt;
    QGuiApplication app(qtArgc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Plumwick"));
    Translations language;
    language.Install();

    QString error;
    // Qt's own options are taken out of the part before "--"; what follows it stays as given.
    QStringList arguments = QCoreApplication::arguments().mid(1);
    for (int i = forQt; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto options = ParseBatchOptions(arguments, error);
    if (!options) {
        std::fprintf(stderr, "plumwick-print: %s\n", qUtf8Printable(QCoreApplication::translate("main", "%1 (try --help)").arg(error)));
        return 2;
    }
    if (options->Help) {
        std::fputs(qUtf8Printable(BatchUsage()), stdout);
        return 0;
    }
    if (options->ListPatterns) {
        std::fputs(qUtf8Printable(PatternListing()), stdout);
        return 0;
    }
    if (options->Record)
        return RunRecord(*options);
    if (options->Version) {
        std::puts("plumwick-print " PLUMWICK_VERSION);
        return 0;
    }
    return RunBatch(*options);
}
