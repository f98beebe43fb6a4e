// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "share/ShareAddress.h"
#include "platform/ProfileFile.h"
#include "settings/DataFolders.h"

#include <QFile>
#include <QNetworkInterface>

namespace ShareAddress {

namespace {

const QString Section = QStringLiteral("Share");
const QString Key = QStringLiteral("Address");

QHostAddress Parsed(const QString& text)
{
    QHostAddress address;
    return address.setAddress(text.trimmed()) ? address : QHostAddress();
}

QHostAddress FirstIPv4(const QNetworkInterface& face)
{
    for (const QNetworkAddressEntry& entry : face.addressEntries())
        if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
            return entry.ip();
    return {};
}

bool Up(const QNetworkInterface& face)
{
    return face.flags().testFlag(QNetworkInterface::IsUp) && face.flags().testFlag(QNetworkInterface::IsRunning);
}

} // namespace

QString DefaultRouteInterface(const QByteArray& routeTable)
{
    // Iface Destination Gateway Flags ...; the default route goes to 00000000 and is up (1).
    for (const QByteArray& line : routeTable.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 4 && fields[1] == "00000000" && (fields[3].toUInt(nullptr, 16) & 1))
            return QString::fromLatin1(fields[0]);
    }
    return {};
}

QList<QHostAddress> Candidates()
{
    QList<QHostAddress> found;
    for (const QNetworkInterface& face : QNetworkInterface::allInterfaces())
        if (Up(face) && !face.flags().testFlag(QNetworkInterface::IsLoopBack))
            if (const QHostAddress ip = FirstIPv4(face); !ip.isNull())
                found << ip;
    found << QHostAddress(QHostAddress::LocalHost);
    return found;
}

QHostAddress Chosen()
{
    if (const QHostAddress env = Parsed(qEnvironmentVariable("PLUMWICK_SHARE_ADDRESS")); !env.isNull())
        return env;
    if (const QString path = SettingsFilePath(); !path.isEmpty())
        if (const QHostAddress kept = Parsed(ProfileFile(path).ReadString(Section, Key, QString())); !kept.isNull())
            return kept;
    QFile routes(QStringLiteral("/proc/net/route"));
    if (routes.open(QIODevice::ReadOnly))
        if (const QString name = DefaultRouteInterface(routes.read(64 * 1024)); !name.isEmpty())
            if (const QHostAddress ip = FirstIPv4(QNetworkInterface::interfaceFromName(name)); !ip.isNull())
                return ip;
    return Candidates().front();
}

void Remember(const QHostAddress& address)
{
    ProfileFile(SettingsFilePath()).WriteString(Section, Key, address.toString());
}

} // namespace ShareAddress
