// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// Plumwick: designs and prints bingo cards.
#include "platform/CommandLine.h"
#include "platform/HeapTuning.h"
#include "widgets/FocusRingStyle.h"
#include "platform/ui/FormScale.h"
#include "app/StartupOptions.h"
#include "app/UnitMain.h"
#include "platform/Clock.h"
#include "output/QtPrinters.h"
#include "platform/Translations.h"
#include "platform/ui/QtPrompts.h"
#include "platform/ui/QtShell.h"
#include "platform/ui/QtSpeech.h"
#include "settings/DataFolders.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>
#include <cstdio>

int main(int argc, char* argv[])
{
    KeepFreedMemoryForReuse();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Translations language;
    QString error;
    std::optional<StartupOptions> options;
    {
        // The command line is read before the window system is reached (--help needs no
        // display), in the user's language: a bare application object carries the catalogue.
        int coreArgc = 1;
        QCoreApplication core(coreArgc, argv);
        language.Install();
        options = ParseStartupOptions(arguments, error);
        if (!options) {
            std::fprintf(stderr, "plumwick: %s\n", qUtf8Printable(QCoreApplication::translate("main", "%1 (try --help)").arg(error)));
            return 2;
        }
        if (options->Help) {
            std::fputs(qUtf8Printable(StartupUsage()), stdout);
            return 0;
        }
        if (options->Version) {
            std::puts("plumwick " PLUMWICK_VERSION);
            return 0;
        }
    }

    int qtArgc = ArgumentsForQt(argc, argv);
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Plumwick"));
    language.Install();
    // The windows carry their own titles; a display name would be appended to the dialogs'.
    QApplication::setDesktopFileName(QStringLiteral("example.plumwick.plumwick"));
    // A platform theme (qt6ct) sets its fonts and colours once the event loop turns: they are
    // taken now, before any window is measured against them.
    QCoreApplication::sendPostedEvents();
    QApplication::setStyle(FocusRingStyle::ForDesktop());
    // The windows are laid out in fixed pixels for an 8-point sans serif at 96 dpi; a larger
    // desktop font grows them and their font alike.
    FormScale::Set(FormScale::ForFont(QApplication::font()));
    FormScale::UseWindowFont();

    InstallUserDataFolder(ShippedDataPath(QCoreApplication::applicationDirPath(), QStringLiteral("SampleLists")));

    QtPrompts prompts;
    TFrmMain* shown = nullptr;
    QtPrinters printers([&shown]() -> std::optional<QString> {
        return shown ? shown->AskPdfFileName() : std::nullopt;
    });
    SteadyClock clock;
    QtShell shell(prompts);
    QtSpeech speech;
    TFrmMain window({prompts, printers, clock, shell, &speech});
    shown = &window;
    prompts.SetOwner(&window);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    // A list named on the command line (a double-click in the file manager) opens as
    // File > Open would open it.
    if (!options->ListFile.isEmpty())
        window.Guard([&] { window.OpenListFile(options->ListFile); });
    return QApplication::exec();
}
