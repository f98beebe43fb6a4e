#include "batch/BatchMessages.h"
#include "platform/PlatformError.h"
#include "words/WordListFormat.h"

#include <cstdio>

void BatchFail(const QString& text)
{
    std::fprintf(stderr, "plumwick-print: %s\n", qUtf8Printable(ErrorBoxText(text)));
}

std::optional<QStringList> ReadListOrSay(const QString& path)
{
    try {
        return ReadWordListFile(path);
    } catch (const NotAWordListError& error) {
        BatchFail(error.Text());
    } catch (const PlatformError& error) {
        BatchFail(path + QStringLiteral(": ") + error.Text());
    }
    return std::nullopt;
}
