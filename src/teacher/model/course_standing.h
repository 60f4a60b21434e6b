// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress_format.h"

namespace piyota::teacher {

// How far a student has come, as the student's progress file tells it.

// The course is done: the last problem has been answered and 次へ pressed.
bool isCourseDone(const ProgressRecord &record);

// The student has come to `problem` (1..30): it is the problem the student
// is on, or one before it.
bool hasReachedProblem(const ProgressRecord &record, int problem);

// `problem` is behind the student: its field holds the whole seconds taken.
bool hasFinishedProblem(const ProgressRecord &record, int problem);

// The problem the student is on has been started and not finished: its field
// holds the clock reading at which it was started, which is no time taken.
bool isCurrentProblemInProgress(const ProgressRecord &record);

} // namespace piyota::teacher
