// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Presenting each of the 30 problems on a shown quiz screen, and painting it:
// the first problem of a group as the screen's opening presents it (the
// progress file read included), the others as "次へ" does after a right
// answer.
#include "screen_painting.h"

#include "course.h"
#include "fakes/progress_files.h"
#include "fakes/test_app.h"
#include "quiz/quiz_screen.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace piyota::bench {
namespace {

constexpr int kPresentations = 200;
constexpr std::int16_t kLayout = 1;

const QuizStage &stageOf(int problem)
{
    return stageHolds(Stage::First, problem) ? QuizStage::stage1() : QuizStage::stage2();
}

// A quiz screen of the stage of `problem`, shown and opened on it, in the
// given layout.
std::unique_ptr<QuizScreen> openQuizAt(testing::TestApp &app, int problem)
{
    app.course.userCode = QStringLiteral("zq");
    testing::writeBytes(app.filePath(QStringLiteral("zq.ucd")), testing::progressFileAt(problem, 0));
    app.course.layoutDrawn[problem] = true;
    app.course.layoutNo = kLayout;
    auto screen = std::make_unique<QuizScreen>(app.context, stageOf(problem));
    screen->show();
    return screen;
}

void presentOnOpening(benchmark::State &state, int problem)
{
    testing::TestApp app;
    for (auto _ : state) {
        state.PauseTiming();
        auto screen = openQuizAt(app, problem);
        QCoreApplication::processEvents();
        state.ResumeTiming();

        screen->activate();
        screen->repaint();

        state.PauseTiming();
        screen.reset();
        state.ResumeTiming();
    }
}

void presentAfterNext(benchmark::State &state, int problem)
{
    testing::TestApp app;
    auto screen = openQuizAt(app, problem - 1);
    screen->activate();
    for (auto _ : state) {
        state.PauseTiming();
        app.course.problemNo = static_cast<std::int16_t>(problem - 1);
        app.course.solvedFlag = true;
        app.course.layoutDrawn[problem] = true;
        app.course.layoutNo = kLayout;
        app.media.clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();

        screen->onNextClicked();
        screen->repaint();
    }
}

const bool registered = [] {
    for (int problem = content::kFirstProblem; problem <= content::kLastProblem; ++problem) {
        const bool opening = beginsGroup(problem);
        const std::string name = "QuizPresent/problem" + std::to_string(problem)
            + (opening ? "/opening" : "/next");
        benchmark::RegisterBenchmark(name.c_str(), opening ? presentOnOpening : presentAfterNext, problem)
            ->Unit(benchmark::kMicrosecond)
            ->Iterations(1)
            ->Repetitions(kPresentations)
            ->ReportAggregatesOnly();
    }
    return true;
}();

} // namespace
} // namespace piyota::bench
