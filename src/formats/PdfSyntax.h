// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#pragma once
// How the PDF writer spells numbers and strings in a page or an object: shared by the
// document and its text, and nothing else's business.
#include <QByteArray>
#include <QString>

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace PdfSyntax {

// A few numbers and operators gathered on the stack, to go into the page in one piece.
struct Scratch {
    char Data[160];
    size_t Size = 0;
    void append(const char* text, size_t length)
    {
        std::memcpy(Data + Size, text, length);
        Size += length;
    }
    Scratch& operator+=(char c)
    {
        Data[Size++] = c;
        return *this;
    }
    template <size_t N>
    Scratch& operator+=(const char (&text)[N])
    {
        append(text, N - 1);
        return *this;
    }
    void AppendTo(std::string& out) const { out.append(Data, Size); }
};

template <class Text>
void Number(Text& out, int value)
{
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end - text);
}

// A number as short as it reads back: positions come in 64ths of a pixel and spacing in
// thousandths of the em, so most take a whole part and a few decimals, written here
// directly; anything else goes the general (slower) way.
// The decimals of each 64th: ".015625" to ".984375".
struct Sixtyfourths {
    char Digits[64][8];
    int Lengths[64];
    Sixtyfourths()
    {
        for (int k = 0; k < 64; ++k) {
            long long fraction = k * 15625LL;
            Digits[k][0] = '.';
            for (int i = 6; i > 0; --i, fraction /= 10)
                Digits[k][i] = char('0' + fraction % 10);
            int length = 7;
            while (length > 1 && Digits[k][length - 1] == '0')
                --length;
            Lengths[k] = length == 1 ? 0 : length;
        }
    }
};

template <class Text>
void Number(Text& out, double value)
{
    // Positions are mostly whole 64ths of a pixel: written from a table, no rounding needed.
    static const Sixtyfourths table;
    if (const double scaled = value * 64; std::abs(scaled) < 1e15) {
        const long long n = static_cast<long long>(scaled);
        if (double(n) == scaled) {
            const long long magnitude = n < 0 ? -n : n;
            if (n < 0)
                out += '-';
            char text[24];
            out.append(text, std::to_chars(text, text + sizeof text, magnitude / 64).ptr - text);
            out.append(table.Digits[magnitude % 64], size_t(table.Lengths[magnitude % 64]));
            return;
        }
    }
    for (const long long parts : {64LL, 1000LL}) {
        const double scaled = value * double(parts);
        const double whole = std::round(scaled);
        if (std::abs(scaled - whole) > 1e-6 || std::abs(whole) > 1e15)
            continue;
        long long n = static_cast<long long>(whole);
        if (n < 0) {
            out += '-';
            n = -n;
        }
        char text[24];
        out.append(text, std::to_chars(text, text + sizeof text, n / parts).ptr - text);
        long long fraction = n % parts;
        if (fraction == 0)
            return;
        // As six decimals (64ths are exact in six), then the zeros at the end dropped.
        fraction = parts == 64 ? fraction * 15625 : fraction * 1000;
        char digits[7] = {'.', '0', '0', '0', '0', '0', '0'};
        for (int i = 6; i > 0; --i, fraction /= 10)
            digits[i] = char('0' + fraction % 10);
        int length = 7;
        while (digits[length - 1] == '0')
            --length;
        out.append(digits, length);
        return;
    }
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end - text);
}

template <class Text>
void Hex4(Text& out, quint32 value)
{
    static const char digits[] = "0123456789ABCDEF";
    const char hex[4] = {digits[(value >> 12) & 15], digits[(value >> 8) & 15], digits[(value >> 4) & 15], digits[value & 15]};
    out.append(hex, 4);
}

// A text string as PDF text: UTF-16 with its byte-order mark, in hex.
inline QByteArray TextString(const QString& text)
{
    QByteArray out = "<FEFF";
    for (QChar c : text)
        Hex4(out, c.unicode());
    return out + '>';
}

inline double Round3(double value) { return std::round(value * 1000) / 1000; }

} // namespace PdfSyntax
