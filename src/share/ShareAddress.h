// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QHostAddress>
#include <QList>
#include <QString>

// Where a shared game listens. The host's choice comes first: PLUMWICK_SHARE_ADDRESS, then
// the key Address in the settings' section [Share]; else the IPv4 address of the interface
// the default route leaves by (where the phones in the room are); else the first other
// interface that is up; else this computer alone (127.0.0.1).
namespace ShareAddress {

QHostAddress Chosen();
// Every address the host can pick: the IPv4 addresses of the interfaces that are up,
// this computer's own last.
QList<QHostAddress> Candidates();
// The interface of the default route in a routing table as /proc/net/route gives it; empty
// where there is none.
QString DefaultRouteInterface(const QByteArray& routeTable);
void Remember(const QHostAddress& address);

} // namespace ShareAddress
