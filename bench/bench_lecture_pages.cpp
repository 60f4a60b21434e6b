// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every page of every lecture, performed on a shown lecture screen as "次へ"
// performs it (the introduction as the screen's opening does), and painted.
// Each measured page starts from the panels the pages before it left.
#include "screen_painting.h"

#include "fakes/test_app.h"
#include "lecture/lecture_screen.h"
#include "lectures/lecture.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace piyota::bench {
namespace {

// Each render is timed on its own; the median of these is reported.
constexpr int kRenders = 50;

// Page 0 is the introduction; page k >= 1 is the k-th press of "次へ".
void lecturePage(benchmark::State &state, const content::Lecture *lecture, int page)
{
    testing::TestApp app;
    app.course.problemNo = static_cast<std::int16_t>(lecture->firstProblem);
    for (auto _ : state) {
        state.PauseTiming();
        auto screen = std::make_unique<LectureScreen>(app.context);
        screen->show();
        app.session.exitLecture(); // the lecture from its first page
        if (page > 0)
            screen->activate();
        for (int k = 1; k < page; ++k)
            screen->onNextClicked();
        QCoreApplication::processEvents();
        state.ResumeTiming();

        if (page == 0)
            screen->activate();
        else
            screen->onNextClicked();
        repaintCanvases(*screen);

        state.PauseTiming();
        screen.reset();
        state.ResumeTiming();
    }
}

const bool registered = [] {
    for (const content::Lecture &lecture : content::lectures()) {
        const auto pages = static_cast<int>(lecture.pages.size());
        for (int page = 0; page <= pages; ++page) {
            const std::string name = "LecturePage/lecture" + std::to_string(lecture.number)
                + (page == 0 ? std::string("/introduction") : "/page" + std::to_string(page));
            benchmark::RegisterBenchmark(name.c_str(), lecturePage, &lecture, page)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1)
                ->Repetitions(kRenders)
                ->ReportAggregatesOnly();
        }
    }
    return true;
}();

} // namespace
} // namespace piyota::bench
