// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "formats/Deflate.h"

#include <libdeflate.h>

#include <map>
#include <new>

QByteArray Deflate(const char* data, size_t length, int level)
{
    struct Compressors {
        std::map<int, libdeflate_compressor*> ByLevel;
        ~Compressors()
        {
            for (auto& [level, compressor] : ByLevel)
                libdeflate_free_compressor(compressor);
        }
    };
    thread_local Compressors compressors;
    libdeflate_compressor*& compressor = compressors.ByLevel[level];
    if (!compressor)
        compressor = libdeflate_alloc_compressor(level);
    if (!compressor)
        throw std::bad_alloc();
    QByteArray out(qsizetype(libdeflate_zlib_compress_bound(compressor, length)), Qt::Uninitialized);
    out.truncate(qsizetype(libdeflate_zlib_compress(compressor, data, length, out.data(), size_t(out.size()))));
    return out;
}
