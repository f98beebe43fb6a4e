// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "game/TraditionalCalls.h"

#include <QCoreApplication>
#include <QRegularExpression>

std::map<int, QString> ParseTraditionalCalls(const QString& text)
{
    static const QRegularExpression line(QStringLiteral("^\\s*(\\d{1,2})[\\t ]+(\\S.*?)\\s*$"));
    std::map<int, QString> calls;
    for (const QString& row : text.split(u'\n')) {
        const QRegularExpressionMatch m = line.match(row);
        if (!m.hasMatch())
            continue;
        const int number = m.captured(1).toInt();
        if (number >= 1 && number <= 90)
            calls[number] = m.captured(2);
    }
    return calls;
}

QString TraditionalCallText(const std::map<int, QString>& calls, int number)
{
    const auto call = calls.find(number);
    if (call == calls.end())
        return QString::number(number);
    return QCoreApplication::translate("TraditionalCalls", "%1, %2").arg(call->second).arg(number);
}
