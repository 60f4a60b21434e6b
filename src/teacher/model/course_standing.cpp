// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "course_standing.h"

#include <cmath>

namespace piyota::teacher {

namespace {

bool holdsWholeSeconds(float field)
{
    return std::isfinite(field) && std::floor(field) == field;
}

} // namespace

// The problem number stays 30 once the last problem is done, so the number
// alone does not tell a finished course from a student on problem 30. The
// problem's own field does: while a problem is in progress it holds the clock
// reading at which it was started (seconds since midnight, saved with its
// fraction: 45296.37), and 次へ replaces it with the whole seconds taken.
// Problem 30 holding whole seconds therefore means done. A clock reading
// saved within 5 ms of a whole second (after 2:46 a.m. a reading keeps two
// decimals in the file) looks whole too; the file holds nothing else to tell
// the two apart, so about one save in a hundred of a student on problem 30
// reads as done.
bool isCourseDone(const ProgressRecord &record)
{
    return record.problemNo == content::kLastProblem && holdsWholeSeconds(record.answerSeconds[content::kLastProblem]);
}

bool hasReachedProblem(const ProgressRecord &record, int problem)
{
    return problem >= 1 && problem <= record.problemNo;
}

bool hasFinishedProblem(const ProgressRecord &record, int problem)
{
    return problem >= 1 && (problem < record.problemNo || (problem == content::kLastProblem && isCourseDone(record)));
}

// The field of the problem the student is on is 0 until the problem is shown
// (a fresh start, or the save at the end of a group, whose next problem is
// started only by the quiz screen): such a problem is reached but not begun.
bool isCurrentProblemInProgress(const ProgressRecord &record)
{
    return record.problemNo >= 1 && !isCourseDone(record) && record.answerSeconds[record.problemNo] != 0;
}

} // namespace piyota::teacher
