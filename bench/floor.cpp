// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// The floor of a job: what writing its output costs with nothing drawn.
//   floor pdf JOB.pdf OUT  takes a PDF's page contents back out, then deflates each at the
//                          job's level and writes it as an object to OUT, as the writer does;
//   floor png DIR          encodes the PNG cards of an export again, as the export does.
// Each says the CPU seconds that took.
#include "formats/Deflate.h"
#include "formats/PngEncoder.h"
#include "platform/HeapTuning.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <libdeflate.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Every stream whose dictionary is a page's (compressed, its length and nothing else), inflated.
std::vector<std::string> PageContents(const QByteArray& pdf)
{
    std::vector<std::string> pages;
    libdeflate_decompressor* inflater = libdeflate_alloc_decompressor();
    const QByteArray head = "<< /Filter /FlateDecode /Length ";
    for (qsizetype at = pdf.indexOf(head); at >= 0; at = pdf.indexOf(head, at + 1)) {
        const qsizetype close = pdf.indexOf(" >>\nstream\n", at);
        bool ok = false;
        const qsizetype length = pdf.mid(at + head.size(), close - at - head.size()).toLongLong(&ok);
        if (!ok || close < 0)
            continue;
        const char* packed = pdf.constData() + close + 11;
        std::string content(64 * 1024, '\0');
        size_t written = 0;
        while (libdeflate_zlib_decompress(inflater, packed, size_t(length), content.data(), content.size(), &written) ==
               LIBDEFLATE_INSUFFICIENT_SPACE)
            content.resize(content.size() * 2);
        content.resize(written);
        pages.push_back(std::move(content));
    }
    libdeflate_free_decompressor(inflater);
    return pages;
}

int PdfFloor(const char* job, const char* output)
{
    QFile in(QString::fromLocal8Bit(job));
    if (!in.open(QIODevice::ReadOnly))
        return 1;
    const std::vector<std::string> pages = PageContents(in.readAll());
    QFile out(QString::fromLocal8Bit(output));
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    size_t bytes = 0;
    const double start = CpuSeconds();
    int id = 3;
    for (const std::string& page : pages) {
        const QByteArray packed = Deflate(page.data(), page.size(), 1);
        out.write(QByteArray::number(id++) + " 0 obj\n<< /Filter /FlateDecode /Length " +
                  QByteArray::number(packed.size()) + " >>\nstream\n");
        out.write(packed);
        out.write("\nendstream\nendobj\n");
        bytes += page.size();
    }
    out.close();
    std::printf("%zu pages, %.1f MB of contents: %.2f s CPU to compress and write\n", pages.size(), double(bytes) / 1e6,
                CpuSeconds() - start);
    return 0;
}

int PngFloor(const char* folder)
{
    const QDir dir(QString::fromLocal8Bit(folder));
    // One at a time, as the export has them: only the encoding is counted.
    size_t bytes = 0, count = 0;
    double spent = 0;
    for (const QString& name : dir.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name)) {
        const QImage image = QImage(dir.filePath(name)).convertToFormat(QImage::Format_Grayscale8);
        const double start = CpuSeconds();
        bytes += size_t(EncodePng(image).size());
        spent += CpuSeconds() - start;
        ++count;
    }
    std::printf("%zu images, %.1f MB of PNG: %.2f s CPU to encode\n", count, double(bytes) / 1e6, spent);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    KeepFreedMemoryForReuse(); // as the program does
    if (argc == 4 && std::string(argv[1]) == "pdf")
        return PdfFloor(argv[2], argv[3]);
    if (argc == 3 && std::string(argv[1]) == "png")
        return PngFloor(argv[2]);
    std::fprintf(stderr, "usage: floor pdf JOB.pdf OUT | floor png FOLDER\n");
    return 2;
}
