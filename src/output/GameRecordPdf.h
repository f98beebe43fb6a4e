// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include "game/GameRecordSheet.h"

#include <QByteArray>
#include <QString>

// A game's record as a PDF: the code, the calls in order with their times, each prize and
// its winners with their cards drawn (the calls marked, the winning cells dark), and the
// claims confirmed and cleared. On the paper the locale uses (Letter in the US, else A4).
QByteArray RecordPdf(const GameRecordSheet& sheet);
// Writes the record to `path`: CSV where the name ends in .csv, else PDF. Raises
// PlatformError when it can't be written.
void WriteRecord(const QString& path, const GameRecordSheet& sheet);
