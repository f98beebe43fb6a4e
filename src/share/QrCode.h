// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QByteArray>
#include <QImage>

// The text as a QR code (libqrencode, error correction M): black modules on white with the
// four-module quiet zone around them, one pixel a module (scale it without smoothing). A
// null image where the text does not fit a QR code.
QImage QrCodeImage(const QByteArray& text);
