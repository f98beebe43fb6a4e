// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The integer conversion against a plain reference written from the rules.
#include "platform/IntegerConversion.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

std::optional<int> Reference(const std::u16string& s)
{
    size_t i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    int sign = 1;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        sign = s[i++] == u'-' ? -1 : 1;
    int base = 10;
    if (i < s.size() && (s[i] == u'$' || s[i] == u'x' || s[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == s.size())
        return std::nullopt;
    // Digits as a big number in a long double-free way: strip leading zeros, count length.
    std::u16string digits = s.substr(i);
    for (char16_t c : digits) {
        const bool dec = c >= u'0' && c <= u'9';
        const bool hex = (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!(dec || (base == 16 && hex)))
            return std::nullopt;
    }
    size_t z = 0;
    while (z + 1 < digits.size() && digits[z] == u'0')
        ++z;
    digits = digits.substr(z);
    if (digits.size() > (base == 16 ? 8u : 10u))
        return std::nullopt;
    uint64_t v = 0;
    for (char16_t c : digits)
        v = v * base + (c <= u'9' ? c - u'0' : (c | 0x20) - u'a' + 10);
    if (base == 16)
        return static_cast<int32_t>(static_cast<uint32_t>(sign < 0 ? 0u - static_cast<uint32_t>(v) : static_cast<uint32_t>(v)));
    const int64_t signedValue = sign * static_cast<int64_t>(v);
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(signedValue);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Bytes as Latin-1 keep every character the rules care about reachable.
    std::u16string text;
    for (size_t i = 0; i < size; ++i)
        text.push_back(data[i]);
    const QString q = QString::fromStdU16String(text);
    if (TryStrToInt(q) != Reference(text))
        std::abort();
    return 0;
}
