// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QCoreApplication>

// A count with its noun in the right number: "1 card", "2 cards", "1 different card".
inline QString CountText(qsizetype count, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

inline QString CardCountText(qsizetype count)
{
    return CountText(count, QCoreApplication::translate("CountText", "card"), QCoreApplication::translate("CountText", "cards"));
}

inline QString StripCountText(qsizetype count)
{
    return CountText(count, QCoreApplication::translate("CountText", "strip"), QCoreApplication::translate("CountText", "strips"));
}
