// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "problem_figures.h"

#include "course_standing.h"

#include <algorithm>

namespace piyota::teacher {

namespace {

constexpr qsizetype kHardestShown = 3;

std::optional<double> median(QList<double> values)
{
    if (values.isEmpty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values[middle];
    return (values[middle - 1] + values[middle]) / 2;
}

void markHardest(QList<ProblemFigures> &problems)
{
    QList<double> averages;
    for (const ProblemFigures &figures : problems) {
        if (figures.averageMisses.value_or(0) > 0)
            averages.append(*figures.averageMisses);
    }
    if (averages.isEmpty())
        return;
    std::sort(averages.begin(), averages.end(), std::greater<>());
    const double threshold = averages[std::min(averages.size(), kHardestShown) - 1];
    for (ProblemFigures &figures : problems)
        figures.hardest = figures.averageMisses.value_or(0) > 0 && *figures.averageMisses >= threshold;
}

} // namespace

QList<ProblemFigures> problemFigures(const QList<ProgressRecord> &records)
{
    QList<ProblemFigures> problems;
    for (int p = 1; p <= content::kLastProblem; ++p) {
        ProblemFigures figures;
        figures.problem = p;
        QList<double> seconds;
        for (const ProgressRecord &record : records) {
            if (!hasReachedProblem(record, p))
                continue;
            ++figures.studentsReached;
            figures.totalMisses += record.missCount[p];
            if (hasFinishedProblem(record, p))
                seconds.append(record.answerSeconds[p]);
        }
        figures.studentsFinished = int(seconds.size());
        if (figures.studentsReached > 0)
            figures.averageMisses = double(figures.totalMisses) / figures.studentsReached;
        figures.medianSeconds = median(seconds);
        problems.append(figures);
    }
    markHardest(problems);
    return problems;
}

} // namespace piyota::teacher
