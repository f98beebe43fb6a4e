// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "output/CardExport.h"
#include "card/CardArrangement.h"
#include "game/CheckCode.h"
#include "output/CardPrinting.h"
#include "output/CardWebPage.h"
#include "output/TicketPrinting.h"
#include "output/TicketWebPage.h"
#include "platform/FaceMap.h"
#include "platform/TextFile.h"
#include "card/RandomSource.h"
#include "platform/Clock.h"
#include "output/CardFilePrinter.h"
#include "platform/PlatformError.h"
#include "platform/Surface.h"
#include "platform/Paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QCoreApplication>
#include <exception>
#include <memory>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// A seeded clock that counts its readings.
struct CountingClock final : Clock {
    explicit CountingClock(std::uint64_t seed) : Seeded(seed) {}
    std::uint64_t Counter() override
    {
        ++Reads;
        return Seeded.Counter();
    }
    SeededClock Seeded;
    std::uint64_t Reads = 0;
};

} // namespace

std::function<QStringList(int)> ArrangedCells(const QStringList& words, const CardOptions& options,
                                              std::optional<std::uint32_t> seed)
{
    auto arranger = std::make_shared<const CardArranger>(words);
    // With a seed, card n is the n-th card a print job with that seed arranges: the job's
    // clock is read as often for every card (once a card, or once a pick under the column
    // rule), so card n starts where n - 1 cards' readings leave it, on whichever thread.
    std::uint64_t readsPerCard = 0;
    if (seed) {
        CountingClock counting(*seed);
        RandomSource random(counting);
        QStringList cells;
        arranger->Arrange(options.FreeSpace, options.SizeIndex, random, cells);
        readsPerCard = counting.Reads;
    }
    return [arranger, options, seed, readsPerCard](int n) {
        std::unique_ptr<Clock> clock;
        if (seed) {
            auto seeded = std::make_unique<SeededClock>(*seed);
            seeded->Skip(readsPerCard * static_cast<std::uint64_t>(n - 1));
            clock = std::move(seeded);
        } else {
            clock = std::make_unique<SteadyClock>();
        }
        RandomSource random(*clock);
        QStringList cells;
        arranger->Arrange(options.FreeSpace, options.SizeIndex, random, cells);
        return cells;
    };
}

namespace {

QString Extension(ExportFormat format)
{
    return format == ExportFormat::Png ? QStringLiteral(".png") : format == ExportFormat::Pdf ? QStringLiteral(".pdf")
                                                                                              : QStringLiteral(".html");
}

// The files of card or strip n.
QStringList FileNames(const ExportJob& job, int n)
{
    if (!job.Strips)
        return {ExportFileName(n, job.Card.GameCode, job.Format)};
    QStringList names;
    for (int t = 1; t <= NinetyBall::TicketsPerStrip; ++t)
        names << TicketFileName(n, t, job.Card.GameCode, job.Format);
    return names;
}

} // namespace

QString ExportFileName(int card, const QString& gameCode, ExportFormat format)
{
    const QString name = QStringLiteral("card-%1").arg(card, 4, 10, QChar(u'0'));
    return (gameCode.isEmpty() ? name : gameCode + u'-' + name) + Extension(format);
}

QString TicketFileName(int strip, int ticket, const QString& gameCode, ExportFormat format)
{
    const QString name = QStringLiteral("strip-%1-ticket-%2").arg(strip, 4, 10, QChar(u'0')).arg(ticket);
    return (gameCode.isEmpty() ? name : gameCode + u'-' + name) + Extension(format);
}

QStringList ExistingExportFiles(const ExportJob& job)
{
    QStringList existing;
    for (int n = job.Card.FirstCard; n < job.Card.FirstCard + job.Card.Cards; ++n)
        for (const QString& name : FileNames(job, n)) {
            const QFileInfo file(JoinPath(job.Folder, name));
            if (file.exists() || file.isSymLink()) // a link that leads nowhere is there too
                existing << name;
        }
    return existing;
}

namespace {

void ExportWebPage(const ExportJob& job, int n)
{
    WebCard card;
    const QStringList cells = job.Cells(n);
    card.View = MakeCardView(cells, job.Card.Options);
    card.Title = job.Title;
    card.FontFamilies = QStringList{job.FontName, InstalledFace(job.FontName)};
    card.FontFamilies.removeDuplicates();
    card.WordWrap = job.Card.Options.WordWrap;
    card.Own = job.OwnPatterns;
    card.Look = &job.Card.Look;
    if (job.Card.GameCode.isEmpty()) {
        // Outside a game, the card's own words tell its marks from another card-0001's.
        const QByteArray words = cells.join(u'\n').toUtf8();
        card.StorageKey = QStringLiteral("card-%1-").arg(n) +
                          QString::fromLatin1(QCryptographicHash::hash(words, QCryptographicHash::Sha256).toHex().left(16));
    } else {
        card.Footer = CardFooterText(n, job.Card.GameCode, CheckCode::Of(job.Card.CheckSecret, n), FooterWords::In(job.Card.Language));
        card.StorageKey = job.Card.GameCode + QStringLiteral("-card-") + QString::number(n);
    }
    TextFile::WriteAll(JoinPath(job.Folder, ExportFileName(n, job.Card.GameCode, job.Format)), CardWebPage(card),
                    TextFile::Links::Replace);
}

void ExportStrip(const ExportJob& job, int n, CardFilePrinter::Kept& kept)
{
    const NinetyBall::Strip strip = job.Strips(n);
    const auto format = job.Format == ExportFormat::Png ? CardFilePrinter::Format::Png : CardFilePrinter::Format::Pdf;
    for (int t = 1; t <= NinetyBall::TicketsPerStrip; ++t) {
        const QString name = TicketFileName(n, t, job.Card.GameCode, job.Format);
        if (job.Format == ExportFormat::Html) {
            WebTicket page;
            page.Ticket = strip[static_cast<size_t>(t - 1)];
            page.Title = job.Title;
            page.Footer = job.Card.GameCode.isEmpty() ? QStringLiteral("Strip %1 \u00b7 Ticket %2").arg(n).arg(t)
                                                      : TicketFooterText(n, t, job.Card.GameCode, FooterWords::In(job.Card.Language));
            page.FontFamilies = QStringList{job.FontName, InstalledFace(job.FontName)};
            page.FontFamilies.removeDuplicates();
            // Outside a game, the ticket's own numbers tell its marks from another strip 1's.
            QByteArray numbers;
            for (const auto& row : page.Ticket.Cells)
                for (const int cell : row)
                    numbers += static_cast<char>(cell);
            page.StorageKey = job.Card.GameCode.isEmpty()
                                  ? QStringLiteral("strip-%1-ticket-%2-").arg(n).arg(t) +
                                        QString::fromLatin1(QCryptographicHash::hash(numbers, QCryptographicHash::Sha256).toHex().left(16))
                                  : job.Card.GameCode + QStringLiteral("-strip-%1-ticket-%2").arg(n).arg(t);
            TextFile::WriteAll(JoinPath(job.Folder, name), TicketWebPage(page), TextFile::Links::Replace);
            continue;
        }
        CardFilePrinter file(format, job.Dpi, job.Paper, JoinPath(job.Folder, name), &kept);
        file.SetCreationDate(job.Created);
        file.SetCrop(TicketFileArea(file.Caps(), file.Canvas().PenWidth()));
        file.SetColour(job.Card.Look.Design.HasColour());
        PreparePrinter(file, 0, job.FontName, job.FontSize);
        file.SetTitle(job.Card.GameCode.isEmpty() ? QStringLiteral("Strip %1 \u00b7 Ticket %2").arg(n).arg(t)
                                                  : TicketFooterText(n, t, job.Card.GameCode, FooterWords::In(job.Card.Language)));
        RunTicketFileJob(file, strip[static_cast<size_t>(t - 1)], n, t, job.Card.GameCode, job.Card.Language, &job.Card.Look);
    }
}

void ExportOne(const ExportJob& job, int n, CardFilePrinter::Kept& kept)
{
    if (job.Strips)
        return ExportStrip(job, n, kept);
    if (job.Format == ExportFormat::Html)
        return ExportWebPage(job, n);
    const auto format = job.Format == ExportFormat::Png ? CardFilePrinter::Format::Png : CardFilePrinter::Format::Pdf;
    CardFilePrinter file(format, job.Dpi, job.Paper, JoinPath(job.Folder, ExportFileName(n, job.Card.GameCode, job.Format)),
                         &kept);
    file.SetCreationDate(job.Created);
    // Laid out as one card to a page, then cut to the card with a margin of one cell.
    const DeviceCaps caps = file.Caps();
    const int cols = CardSide(job.Card.Options.SizeIndex);
    const int rows = PageRows(job.Card.Options, job.Card.Look.Design);
    const PageLayout page = LayoutPage(1, caps, rows, cols, file.Canvas().PenWidth());
    const CardPlace place = page.Cards.front();
    file.SetColour(job.Card.Look.Design.HasColour());
    file.SetCrop(QRect(place.X - page.Z, place.Y - page.Z, (cols + 2) * page.Z + file.Canvas().PenWidth(),
                       (rows + 2) * page.Z + file.Canvas().PenWidth()));
    PreparePrinter(file, 0, job.FontName, job.FontSize);
    // The file's title says which card it is, for a player's PDF reader.
    file.SetTitle(job.Card.GameCode.isEmpty() ? QStringLiteral("Card %1").arg(n)
                                              : CardFooterText(n, job.Card.GameCode, {}, FooterWords::In(job.Card.Language)));
    CardJob one = job.Card;
    one.Cards = 1;
    one.PerPage = 1;
    one.FirstCard = n;
    QStringList cells;
    RunCardJob(file, one, [&] { cells = job.Cells(n); }, cells, {});
}

} // namespace

int ExportCards(const ExportJob& job, const std::function<bool(int, int)>& progress)
{
    if (!QFileInfo(job.Folder).isDir())
        throw PlatformError(QCoreApplication::translate("CardExport", "There is no such folder"), job.Folder);
    const int total = job.Card.Cards;
    const int first = job.Card.FirstCard;
    const int last = first + total - 1;
    std::atomic<int> next{first};
    std::atomic<int> written{0};
    std::atomic<bool> stop{false};
    std::exception_ptr failure;
    std::mutex failureLock;
    auto drawOne = [&](int n, CardFilePrinter::Kept& kept) {
        try {
            ExportOne(job, n, kept);
            ++written;
        } catch (...) {
            std::lock_guard<std::mutex> guard(failureLock);
            if (!failure)
                failure = std::current_exception();
            stop = true;
        }
    };
    std::mutex doneLock;
    std::condition_variable cardDone;
    int running = 0;
    auto work = [&] {
        // Each thread keeps its fonts, shaped texts and drawn glyphs from card to card.
        CardFilePrinter::Kept kept;
        for (int n = next++; n <= last && !stop; n = next++) {
            drawOne(n, kept);
            cardDone.notify_one();
        }
        std::lock_guard<std::mutex> guard(doneLock);
        --running;
        cardDone.notify_one();
    };
    // PLUMWICK_THREADS caps the threads, for measuring what the second core brings.
    const int cores = qEnvironmentVariableIntValue("PLUMWICK_THREADS") > 0 ? qEnvironmentVariableIntValue("PLUMWICK_THREADS")
                                                                            : QThread::idealThreadCount();
    const int threads = std::max(1, std::min(cores, total));
    running = threads;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back(work);
    // This thread only reports, at least every 50 ms: a window it belongs to keeps
    // answering (a card at 300 dpi takes longer than that to draw).
    for (;;) {
        std::unique_lock<std::mutex> lock(doneLock);
        cardDone.wait_for(lock, std::chrono::milliseconds(50));
        const bool finished = running == 0;
        lock.unlock();
        if (progress && !progress(written, total))
            stop = true;
        if (finished)
            break;
    }
    for (std::thread& worker : workers)
        worker.join();
    if (failure)
        std::rethrow_exception(failure);
    return written;
}
