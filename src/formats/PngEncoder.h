// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QByteArray>

class QImage;

// A grey image as a PNG file, with its resolution: every row filtered against the row above
// (a card is mostly rows like the one before) and compressed by libdeflate, which together
// take a third of the time of Qt's writer trying every filter on every row, for a file a
// few per cent smaller. Other formats go through Qt's writer.
QByteArray EncodePng(const QImage& image);
