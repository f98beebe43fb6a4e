// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QString>
#include <QStringList>

// The face a card is really drawn in, on screen and on paper alike. Settings written on the
// other system name its faces; where one is not installed here, the nearest face we install
// stands in (Arial and Helvetica: Liberation Sans; Times New Roman: Liberation Serif;
// Courier New: Liberation Mono; Comic Sans MS: Comic Neue; Verdana, Tahoma and Segoe UI:
// DejaVu Sans), and any other missing face falls back to the face that "Arial" resolves
// to, never to whatever the font configuration happens to pick.
QString InstalledFace(const QString& face);

// The families a card's text is set in: the installed face, the system's face for Han, then
// a face whose emoji are outlines (Symbola), before the system's own fallbacks. The system's
// emoji face has colour bitmaps that the PDF engine can't carry: those cells would print blank.
QStringList CardFamilies(const QString& face);

// Whether a face draws with outlines, as paper needs: a colour emoji face has only bitmaps.
class QRawFont;
bool HasOutlines(const QRawFont& font);
// The weight the face itself is made in (400 regular, 700 bold), whatever weight was asked.
int FaceWeight(const QRawFont& font);

// The installed families, each once and named as the family: the font database tags a
// family that several foundries supply ("C059 [UKWN]", "C059 [urw]"); the tag is dropped.
QStringList PlainFamilies();
QString FamilyWithoutFoundry(const QString& family);
