// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The PDF printer's own writer against Qt's PDF engine drawing the same page: the words
// read back at the same places, the page looks the same, the fonts are embedded as subsets
// with their characters, and the file is sound.
#include "formats/FontSubset.h"
#include "output/QtPrinters.h"
#include "output/QtSurface.h"
#include "support/RequiredTool.h"
#include "support/TempFolder.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

QString ToolOutput(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Kerned pairs, a phrase, CJK (a face of PostScript outlines), a shade over a line.
void DrawPage(Surface& s, int page)
{
    s.SetFont("Liberation Sans", 14 + 6 * page, true);
    s.TextOut(300, 300, "AVA Wave Toyota");
    s.TextOut(2400, 300, QString::fromUtf8("猫と犬 Straße"));
    s.SetFont("DejaVu Sans", 9, false);
    s.TextOut(300, 1200, "Somebody says \"synergy\" (again)");
    for (int i = 0; i < 6; ++i) {
        s.Line(200 + 400 * i, 2000, 200 + 400 * i, 4000);
        s.Line(200, 2000 + 400 * i, 2200, 2000 + 400 * i);
    }
    s.Shade(700, 2500, 300, 300);
    s.TextOut(710, 2520, QString::number(page));
}

QString PageWords(const QString& pdf)
{
    QString words = ToolOutput("pdftotext", {"-bbox", pdf, "-"});
    words.remove(QRegularExpression("<head>.*</head>", QRegularExpression::DotMatchesEverythingOption));
    return words;
}

// The first page in grey, by poppler, Ghostscript (smoothed, as viewers set it) or MuPDF.
QImage Rendered(const QString& renderer, const QString& pdf, const QString& prefix, int dpi)
{
    const QString png = prefix + "-" + renderer + ".png", resolution = QString::number(dpi);
    if (renderer == "pdftoppm")
        QProcess::execute("pdftoppm", {"-r", resolution, "-gray", "-singlefile", "-png", pdf, prefix + "-" + renderer});
    else if (renderer == "gs")
        QProcess::execute("gs", {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray", "-r" + resolution,
                                 "-dGraphicsAlphaBits=4", "-dTextAlphaBits=4", "-dFirstPage=1", "-dLastPage=1",
                                 "-o", png, pdf});
    else
        QProcess::execute("mutool", {"draw", "-q", "-r", resolution, "-c", "gray", "-o", png, pdf, "1"});
    return QImage(png).convertToFormat(QImage::Format_Grayscale8);
}

int Differing(const QImage& a, const QImage& b, const QRect& area, int by)
{
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            differing += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > by;
    return differing;
}

} // namespace

TEST(PdfWriter, PagesReadBackAsQtsEngineDrawsThem)
{
    SKIP_WITHOUT_TOOL(QProcess::execute("pdftotext", {"-v"}) == 0 && QProcess::execute("qpdf", {"--version"}) == 0,
                      "poppler-utils and qpdf are needed");
    TempFolder folder;
    const QString ours = folder.Path("ours.pdf"), theirs = folder.Path("qt.pdf");

    QtPrinters printers;
    printers.SetPdfOutput(ours);
    printers.SetPdfPaper(QPageSize::Letter);
    printers.SetCurrent(int(printers.Names().size()) - 1);
    ASSERT_TRUE(printers.BeginDoc());
    DrawPage(printers.Canvas(), 1);
    printers.NewPage();
    DrawPage(printers.Canvas(), 2);
    printers.EndDoc();

    // The same through Qt's engine: a 600-dpi Letter page with a quarter-inch border.
    QPdfWriter writer(theirs);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0.25, 0.25, 0.25, 0.25),
                                     QPageLayout::Inch));
    {
        QPainter painter(&writer);
        QtSurface surface(600, Qt::white);
        surface.Attach(&painter);
        DrawPage(surface, 1);
        surface.Flush();
        writer.newPage();
        surface.Attach(&painter);
        DrawPage(surface, 2);
        surface.Attach(nullptr);
    }

    EXPECT_EQ(QProcess::execute("qpdf", {"--check", ours}), 0);
    // Every word in the same place, to an eighth of a device pixel (0.015 pt): within a line
    // a glyph may stray that far from Qt's place before the line's string corrects it.
    const QString expected = PageWords(theirs), got = PageWords(ours);
    static const QRegularExpression number(R"((\d+\.\d+))");
    QStringList a = expected.split('\n'), b = got.split('\n');
    ASSERT_EQ(a.size(), b.size()) << got.toStdString();
    for (qsizetype i = 0; i < a.size(); ++i) {
        QString x = a[i], y = b[i];
        std::vector<double> nx, ny;
        for (auto it = number.globalMatch(x); it.hasNext();)
            nx.push_back(it.next().captured(1).toDouble());
        for (auto it = number.globalMatch(y); it.hasNext();)
            ny.push_back(it.next().captured(1).toDouble());
        // (Qt's engine reads the ideograph for dog back as the Kangxi radical of that shape.)
        EXPECT_EQ(x.remove(number).normalized(QString::NormalizationForm_KC), y.remove(number)) << i;
        ASSERT_EQ(nx.size(), ny.size()) << i;
        for (size_t k = 0; k < nx.size(); ++k)
            EXPECT_NEAR(nx[k], ny[k], 0.125 * 72 / 600 + 1e-5) << a[i].toStdString() << " / " << b[i].toStdString();
    }
    EXPECT_TRUE(got.contains(QString::fromUtf8(">猫と犬</word>"))) << got.toStdString();
    EXPECT_TRUE(got.contains(">Toyota</word>"));

    // The same look: lines, shade and glyphs where Qt's engine puts them (glyph edges may
    // be smoothed a little differently: some 80 pixels of a million).
    {
        const QImage mine = Rendered("pdftoppm", ours, folder.Path("ours"), 100),
                     qts = Rendered("pdftoppm", theirs, folder.Path("qt"), 100);
        ASSERT_EQ(mine.size(), qts.size());
        EXPECT_LT(Differing(mine, qts, mine.rect(), 100), 250); // a line one pixel off would make 600
    }
    // The grid as crisp as Qt's engine has it in every renderer, each line whole pixels where
    // the renderer can: at 150 dpi a line smeared over two pixels makes thousands.
    for (const QString renderer : {"pdftoppm", "gs", "mutool"}) {
        if (QStandardPaths::findExecutable(renderer).isEmpty()) {
            ADD_FAILURE() << renderer.toStdString() << " is needed";
            continue;
        }
        const QImage mine = Rendered(renderer, ours, folder.Path("ours"), 150),
                     qts = Rendered(renderer, theirs, folder.Path("qt"), 150);
        ASSERT_EQ(mine.size(), qts.size()) << renderer.toStdString();
        // The grid's box, a quarter-inch border and 600ths of an inch; the shade's corner left out.
        const QRect grid = QRect(QPoint(200, 2800), QPoint(2200, 4000)).translated(150, 150);
        const QRect at150(grid.topLeft() / 4, grid.size() / 4);
        EXPECT_LT(Differing(mine, qts, at150, 48), 20) << renderer.toStdString();
    }

    // Every font embedded as a subset, with its characters.
    const QStringList fonts = ToolOutput("pdffonts", {ours}).split('\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_EQ(fonts.size(), 3) << fonts.join('\n').toStdString();
    for (const QString& font : fonts)
        EXPECT_TRUE(font.contains(QRegularExpression(R"(^[A-Z]{6}\+\S+\s+CID TrueType\s+Identity-H\s+yes yes yes)")))
            << font.toStdString();
}

// A subset keeps the glyphs asked for under their own numbers and drops the others; a face of
// PostScript outlines comes out as TrueType outlines of the same shapes.
TEST(PdfWriter, FontSubsetsKeepTheirGlyphs)
{
    for (const char* family : {"Liberation Sans", "Noto Sans CJK JP"}) {
        QFont font(family);
        font.setPixelSize(200);
        const QRawFont raw = QRawFont::fromFont(font);
        ASSERT_TRUE(raw.isValid()) << family;
        const QList<quint32> kept = raw.glyphIndexesForString(QString::fromUtf8("Ag猫"));
        const QList<quint32> dropped = raw.glyphIndexesForString("Z");
        const FontFace face(raw);
        const std::set<quint32> wanted(kept.begin(), kept.end());
        QRawFont subset(face.Subset(wanted), 200);
        ASSERT_TRUE(subset.isValid()) << family;
        for (quint32 glyph : kept) {
            if (glyph == 0)
                continue;
            const QRectF was = raw.pathForGlyph(glyph).boundingRect(), is = subset.pathForGlyph(glyph).boundingRect();
            EXPECT_FALSE(is.isEmpty()) << family << " glyph " << glyph;
            EXPECT_NEAR(is.left(), was.left(), 1) << family;
            EXPECT_NEAR(is.right(), was.right(), 1) << family;
            EXPECT_NEAR(is.top(), was.top(), 1) << family;
            EXPECT_NEAR(is.bottom(), was.bottom(), 1) << family;
        }
        EXPECT_TRUE(subset.pathForGlyph(dropped[0]).isEmpty()) << family;
        // Numbered afresh where the face was made TrueType here, so that a few glyphs of a
        // face of 65,535 make a few kilobytes, not half a megabyte of empty slots.
        std::map<quint32, quint32> renumbered;
        const QByteArray compact = face.Subset(wanted, &renumbered);
        const bool madeHere = raw.fontTable("glyf").isEmpty();
        EXPECT_EQ(renumbered.empty(), !madeHere) << family;
        if (madeHere) {
            EXPECT_LT(compact.size(), 16 * 1024) << family;
            const QRawFont small(compact, 200);
            ASSERT_TRUE(small.isValid()) << family;
            for (quint32 glyph : kept)
                if (glyph != 0)
                    EXPECT_EQ(small.pathForGlyph(renumbered.at(glyph)).boundingRect().toRect(),
                              raw.pathForGlyph(glyph).boundingRect().toRect())
                        << family << " glyph " << glyph;
        }
        const auto characters = face.Characters(wanted);
        EXPECT_EQ(characters.at(kept[0]), U'A') << family;
        EXPECT_EQ(characters.at(kept[1]), U'g') << family;
    }
}
