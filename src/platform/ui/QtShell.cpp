#include "platform/ui/QtShell.h"
#include "platform/PlatformError.h"

#include <QDesktopServices>

void QtShell::Open(const QUrl& url)
{
    if (!QDesktopServices::openUrl(url))
        throw PlatformError(CouldNotOpenMessage(url));
}
