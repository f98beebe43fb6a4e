#include "platform/ui/QtShell.h"
#include <QDesktopServices>

void QtShell::Open(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}
