#include "app/StartupOptions.h"

std::optional<StartupOptions> ParseStartupOptions(const QStringList& arguments, QString& error)
{
    StartupOptions options;
    QStringList files;
    bool onlyFiles = false;
    for (const QString& arg : arguments) {
        if (onlyFiles || !arg.startsWith(u'-') || arg == QStringLiteral("-")) {
            files << arg;
        } else if (arg == QStringLiteral("--")) {
            onlyFiles = true;
        } else if (arg == QStringLiteral("-h") || arg == QStringLiteral("--help")) {
            options.Help = true;
        } else if (arg == QStringLiteral("--version")) {
            options.Version = true;
        } else {
            error = QStringLiteral("unknown option %1").arg(arg);
            return std::nullopt;
        }
    }
    if (files.size() > 1) {
        error = QStringLiteral("only one word list, please");
        return std::nullopt;
    }
    if (!files.isEmpty())
        options.ListFile = files.front();
    return options;
}

QString StartupUsage()
{
    return QStringLiteral(
        "Usage: plumwick [LIST.pwk]\n"
        "Designs and prints bingo cards. Starts with the word list LIST.pwk opened, when given.\n"
        "\n"
        "  -h, --help     show this help and exit\n"
        "      --version  show the version and exit\n"
        "\n"
        "Settings are kept in ~/.local/share/Plumwick/Options.ini. For printing from a shell,\n"
        "see plumwick-print --help.\n");
}
