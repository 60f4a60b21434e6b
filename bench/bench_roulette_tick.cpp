// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One tick of the spinning roulette on a shown roulette screen: the ball
// painted at its next place, then erased when its hold ends, and painted.
#include "screen_painting.h"

#include "fakes/test_app.h"
#include "roulette/roulette_screen.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace piyota::bench {
namespace {

void rouletteTick(benchmark::State &state)
{
    testing::TestApp app;
    app.course.problemNo = 5;
    RouletteScreen screen(app.context);
    screen.show();
    screen.activate();
    screen.onStartClicked(); // the ball runs round the wheel, a cell a tick
    QCoreApplication::processEvents();
    for (auto _ : state) {
        screen.onSpinTick();
        screen.onHoldTimeout();
        repaintCanvases(screen);
    }
}
BENCHMARK(rouletteTick)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly();

} // namespace
} // namespace piyota::bench
