// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QStringList>

// The words that would print with an empty box somewhere: a character that neither the card
// face nor any font the system falls back to can draw (a script with no font installed, a
// private-use character), each followed by the codes of those characters: "xy (U+E000)". Laid
// out as the cards lay text out, so what it finds is what the page would show. Needs a
// QGuiApplication.
QStringList WordsWithMissingGlyphs(const QStringList& words, const QString& face);

// "These words contain characters that no installed font can draw: a, b and 3 more", for a
// question or a warning.
QString MissingGlyphsMessage(const QStringList& words);
