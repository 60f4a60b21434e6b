// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "student_figures.h"

#include "course_standing.h"

#include <algorithm>

namespace piyota::teacher {

namespace {

constexpr qsizetype kMostMissedShown = 3;

// The problems reached with at least one wrong answer, the most first; on a
// tie the earlier problem first.
QList<ProblemMisses> mostMissedProblems(const ProgressRecord &record)
{
    QList<ProblemMisses> missed;
    for (int p = 1; p <= content::kLastProblem; ++p) {
        if (hasReachedProblem(record, p) && record.missCount[p] > 0)
            missed.append({p, record.missCount[p]});
    }
    std::stable_sort(missed.begin(), missed.end(),
                     [](const ProblemMisses &a, const ProblemMisses &b) { return a.misses > b.misses; });
    return missed.first(std::min(missed.size(), kMostMissedShown));
}

} // namespace

StudentFigures studentFigures(const ProgressRecord &record)
{
    StudentFigures figures;
    figures.record = record;
    figures.problemReached = record.problemNo;
    figures.courseDone = isCourseDone(record);
    figures.problemInProgress = isCurrentProblemInProgress(record);
    figures.score = record.score;
    for (int p = 1; p <= content::kLastProblem; ++p) {
        if (hasReachedProblem(record, p))
            figures.totalMisses += record.missCount[p];
        if (hasFinishedProblem(record, p))
            figures.totalSeconds += record.answerSeconds[p];
    }
    figures.mostMissed = mostMissedProblems(record);
    return figures;
}

} // namespace piyota::teacher
