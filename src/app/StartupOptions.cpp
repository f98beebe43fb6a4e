// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "app/StartupOptions.h"
#include <QCoreApplication>

namespace {

// Qt's own options, which every Qt program takes (QGuiApplication and QApplication read
// them); "--style" is read as "-style". Those of the first list take a value.
const QStringList QtValued = {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                              "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "session", "style",
                              "stylesheet", "display", "name", "visual", "dialogs", "qmljsdebugger"};
const QStringList QtSwitches = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

// The name of a Qt option ("style" for "-style", "--style" or "-style=Fusion"), or empty.
QString QtOptionName(const QString& arg, bool* attached)
{
    QString name = arg.mid(arg.startsWith(QStringLiteral("--")) ? 2 : 1);
    *attached = name.contains(u'=');
    name = name.section(u'=', 0, 0);
    return QtValued.contains(name) || QtSwitches.contains(name) ? name : QString();
}

} // namespace

std::optional<StartupOptions> ParseStartupOptions(const QStringList& arguments, QString& error)
{
    StartupOptions options;
    QStringList files;
    bool onlyFiles = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        bool attached = false;
        if (onlyFiles || !arg.startsWith(u'-') || arg == QStringLiteral("-")) {
            files << arg;
        } else if (arg == QStringLiteral("--")) {
            onlyFiles = true;
        } else if (arg == QStringLiteral("-h") || arg == QStringLiteral("--help")) {
            options.Help = true;
        } else if (arg == QStringLiteral("--version")) {
            options.Version = true;
        } else if (const QString qt = QtOptionName(arg, &attached); !qt.isEmpty()) {
            // Qt's: left to the application object; its value is no list.
            if (QtValued.contains(qt) && !attached && ++i >= arguments.size()) {
                error = QCoreApplication::translate("StartupOptions", "option %1 needs a value").arg(arg);
                return std::nullopt;
            }
        } else {
            error = QCoreApplication::translate("StartupOptions", "unknown option %1").arg(arg);
            return std::nullopt;
        }
    }
    if (files.size() > 1) {
        error = QCoreApplication::translate("StartupOptions", "only one word list, please");
        return std::nullopt;
    }
    if (!files.isEmpty())
        options.ListFile = files.front();
    return options;
}

QString StartupUsage()
{
    return QCoreApplication::translate("StartupOptions", "Usage: plumwick [LIST.pwk]\n"
        "Designs and prints bingo cards. Starts with the word list LIST.pwk opened, when given.\n"
        "\n"
        "  -h, --help     show this help and exit\n"
        "      --version  show the version and exit\n"
        "\n"
        "Qt's own options work as in every Qt program: -style NAME, -stylesheet FILE, -reverse,\n"
        "-platform NAME and the others; after -- nothing is an option.\n"
        "\n"
        "Settings are kept in ~/.local/share/Plumwick/Options.ini. For printing from a shell,\n"
        "see plumwick-print --help.\n");
}
