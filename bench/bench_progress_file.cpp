// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving the progress file (written whole to a temporary file, synced to the
// disk and renamed over the old one) and loading it, in a directory made in
// the current working directory: run it on the file system to be measured.
#include "course_state.h"
#include "progress_file.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace piyota::bench {
namespace {

// A course half done, with every field filled.
CourseState halfDoneCourse()
{
    CourseState course;
    course.userCode = QStringLiteral("zq");
    course.problemNo = 16;
    course.score = 39000;
    for (int p = 1; p <= content::kLastProblem; ++p) {
        course.missCount[p] = p % 3;
        course.answerSeconds[p] = p < 16 ? float(20 + p) : p == 16 ? 43210.5f : 0.0f;
    }
    return course;
}

void saveProgress(benchmark::State &state)
{
    const QTemporaryDir dir(QDir::current().filePath(QStringLiteral("progress-bench-XXXXXX")));
    const ProgressFile file{QDir(dir.path())};
    const CourseState course = halfDoneCourse();
    for (auto _ : state) {
        if (!file.saveProgress(course))
            state.SkipWithError("the progress file could not be saved");
    }
}
BENCHMARK(saveProgress)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

void loadProgress(benchmark::State &state)
{
    const QTemporaryDir dir(QDir::current().filePath(QStringLiteral("progress-bench-XXXXXX")));
    const ProgressFile file{QDir(dir.path())};
    CourseState course = halfDoneCourse();
    file.saveProgress(course);
    for (auto _ : state) {
        if (!file.loadProgress(course))
            state.SkipWithError("the progress file could not be loaded");
    }
}
BENCHMARK(loadProgress)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace
} // namespace piyota::bench
