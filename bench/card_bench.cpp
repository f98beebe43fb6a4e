// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
// In-process figures for the card code: arranging and drawing the sample card.
#include "card/CardArrangement.h"
#include "card/RandomSource.h"
#include "output/CellText.h"
#include "output/SampleCard.h"
#include "platform/Clock.h"
#include "output/QtSurface.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

QStringList Numbered(int count, const QString& prefix)
{
    QStringList words;
    for (int i = 1; i <= count; ++i)
        words << prefix + QString::number(i);
    return words;
}

void ArrangeShuffle(benchmark::State& state)
{
    SteadyClock clock;
    RandomSource random(clock);
    const QStringList words = Numbered(static_cast<int>(state.range(0)), QStringLiteral("word "));
    QStringList cells;
    for (auto _ : state)
        ArrangeCardCells(words, true, 1, random, cells);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ArrangeShuffle)->RangeMultiplier(10)->Range(100, 100000)->Complexity();

void ArrangeColumnRule(benchmark::State& state)
{
    SteadyClock clock;
    RandomSource random(clock);
    const QStringList words = Numbered(75, QString());
    QStringList cells;
    for (auto _ : state)
        ArrangeCardCells(words, true, 1, random, cells);
}
BENCHMARK(ArrangeColumnRule);

// The sample card as the window paints it: 7 x 7 with heading and long phrases, on a
// surface kept between paints; range(0) = 1 remembers fitting outcomes between paints.
void PaintSevenBySevenPhrases(benchmark::State& state)
{
    QImage image(441, 313, QImage::Format_RGB32);
    QtSurface surface(96, QColor(232, 232, 232));
    CellFitCache fits;
    SampleCardInput input;
    input.Options.SizeIndex = 2;
    const QStringList phrases = {"Someone sings off key", "Can everyone see my screen?", "Blow out the candles",
                                 "Dance-off breaks out", "Photosynthesis", "Let's take this offline",
                                 "Post-credits scene"};
    for (int i = 0; i < 49; ++i)
        input.Cells << phrases[i % phrases.size()] + QStringLiteral(" %1").arg(i);
    for (auto _ : state) {
        QPainter painter(&image);
        surface.Attach(&painter);
        PaintSampleCard(surface, input, state.range(0) ? &fits : nullptr);
        surface.Attach(nullptr);
    }
}
BENCHMARK(PaintSevenBySevenPhrases)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
