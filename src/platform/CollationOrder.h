// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QLocale>
#include <QStringList>

#include <optional>
#include <vector>

// The order in which a collator for `locale` (case ignored, numbers as text, punctuation
// counted) puts many texts: their places in `texts`, first to last, equal ones in the order
// given. The collation is ICU's, made as QCollator makes it, so the order is the one its sort
// keys give; the keys here lie together in one block, and a sort of 100,000 words compares
// bytes close at hand instead of following a pointer per key. Nullopt where ICU can't make a
// collator for the locale.
std::optional<std::vector<qsizetype>> CollationOrder(const QStringList& texts, const QLocale& locale);
