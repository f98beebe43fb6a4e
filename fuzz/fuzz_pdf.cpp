// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The PDF writer driven by any sequence of drawing calls (boxes, lines, glyphs of a real face,
// named glyphs, actual texts, pages begun and ended): no crash, and the file always ends as a
// PDF does, its cross-reference table where its trailer says.
#include "formats/PdfDocument.h"

#include <QBuffer>
#include <QFont>
#include "GuiApplication.h"
#include <QRawFont>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    NeedGuiApplication();
    static const QRawFont face = QRawFont::fromFont(QFont(QStringLiteral("Liberation Sans"), 12));
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    PdfDocument::Setup setup;
    setup.Title = QStringLiteral("fuzz");
    setup.Created = QDateTime::fromSecsSinceEpoch(0, Qt::UTC);
    setup.PagePoints = {612, 792};
    setup.AreaPixels = {5100, 6600};
    {
        PdfDocument pdf(out, setup);
        pdf.BeginPage();
        std::size_t at = 0;
        const auto next = [&]() -> int { return at < size ? data[at++] : 0; };
        const auto number = [&]() { return next() | next() << 8; };
        while (at < size) {
            switch (next() % 9) {
            case 0: pdf.EndPage(); pdf.BeginPage(); break;
            case 1: pdf.Fill(QRect(number() - 1000, number() - 1000, number(), number()), QColor::fromRgb(number() << 8 | next())); break;
            case 2: pdf.DrawLine(number() - 1000, number() - 1000, number(), number()); break;
            case 3: pdf.SetInk(QColor::fromRgb(number() << 8 | next())); break;
            case 4: {
                QList<quint32> glyphs;
                QList<QPointF> positions;
                for (int n = next() % 12; n > 0; --n) {
                    glyphs << static_cast<quint32>(number() % 4000);
                    positions << QPointF(number() - 100, number() - 100);
                }
                pdf.DrawGlyphs(face, glyphs, positions);
                break;
            }
            case 5: pdf.NameGlyph(face, static_cast<quint32>(number() % 4000), QString(QChar(number()))); break;
            case 6: pdf.BeginActualText(QString(QChar(number())) + QChar(number())); break;
            case 7: pdf.EndActualText(); break;
            case 8: pdf.Embolden(next() / 16.0); break;
            }
        }
        pdf.Finish();
    }
    const QByteArray file = out.data();
    const qsizetype start = file.lastIndexOf("startxref\n");
    if (!file.startsWith("%PDF-") || !file.endsWith("%%EOF\n") || start < 0)
        std::abort();
    const qsizetype xref = file.mid(start + 10).split('\n').value(0).toLongLong();
    if (!file.mid(xref).startsWith("xref"))
        std::abort();
    return 0;
}
