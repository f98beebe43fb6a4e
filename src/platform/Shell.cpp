#include "platform/Shell.h"

QString CouldNotOpenMessage(const QUrl& url)
{
    const QString address = url.isLocalFile() ? url.toLocalFile() : url.toString();
    return QStringLiteral("%1 could not be opened: no program here opens it").arg(address);
}
