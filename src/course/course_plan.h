// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "course.h"
#include "screen_id.h"

#include <optional>

namespace piyota {

// How the thirty problems are laid out: two stages, each on a quiz screen
// of its own, and groups of five that each end at the roulette.

inline constexpr int kLastStage1Problem = 15;
inline constexpr int kGroupSize = 5;

enum class Stage { First, Second }; // problems 1 to 15, 16 to 30

constexpr bool stageHolds(Stage stage, int problem)
{
    return stage == Stage::First ? content::kFirstProblem <= problem && problem <= kLastStage1Problem
                                 : kLastStage1Problem < problem && problem <= content::kLastProblem;
}

constexpr bool beginsGroup(int problem)
{
    return problem % kGroupSize == 1;
}
constexpr bool endsGroup(int problem)
{
    return problem % kGroupSize == 0;
}

// The quiz screen that presents problem `problemNo`: the first stage's up to
// 15 (0, the number of a file that holds no problem yet, included), the
// second stage's up to 30; none above.
constexpr std::optional<ScreenId> quizScreenFor(int problemNo)
{
    if (problemNo <= kLastStage1Problem)
        return ScreenId::Stage1Quiz;
    if (problemNo <= content::kLastProblem)
        return ScreenId::Stage2Quiz;
    return std::nullopt;
}

} // namespace piyota
