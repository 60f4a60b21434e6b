// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "course.h"

#include <QString>

#include <array>
#include <cstdint>

namespace piyota {

// Per-problem values, indexed by problem number 1..30; index 0 is unused.
template <typename T>
using PerProblem = std::array<T, content::kLastProblem + 1>;

// The state every screen of the course shares for the whole run.
struct CourseState {
    // Saved in the progress file.
    std::int16_t problemNo = 0;   // the problem the student is on, 1..30
    double score = 0;             // may go negative
    PerProblem<int> missCount{};  // wrong answers per problem
    // Whole seconds taken for a finished problem; the clock reading at which
    // it was started for the problem in progress; 0 for problems not reached.
    PerProblem<float> answerSeconds{};

    // Kept in memory only.
    QString userCode;
    bool solvedFlag = false;          // the current problem is answered correctly
    bool resumed = false;             // the start menu's continue button was used
    PerProblem<bool> timeStarted{};   // a start time was taken on opening the quiz
    PerProblem<bool> layoutDrawn{};   // an answer layout was drawn
    std::int16_t layoutNo = 0;        // the answer layout of the current problem, 1..3

    // Problem 1, no points, and a blank record; nothing else is touched.
    void startFresh();
};

} // namespace piyota
