// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
#include <QByteArray>

#include <cstddef>

// Bytes compressed in the zlib format (what a PDF's Flate filter and a PNG's image data
// read) by libdeflate at a level from 1 (fastest) to 12; each thread keeps a compressor per
// level. At level 1 it takes half the time of zlib's fastest level and packs tighter.
QByteArray Deflate(const char* data, size_t length, int level);
