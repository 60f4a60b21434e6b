#pragma once

#include "app/form_state.h"
#include "app/screen_id.h"

namespace piyota {

// What sets the two quiz screens apart: the problems they present, where
// their controls stand, and their own animation flag.
struct QuizStage {
    ScreenId screen;
    int firstProblem;
    int lastProblem;
    int shiftTwips; // added to the x of every control placed on the window
    BlinkState FormStates::*blinkState;

    bool holds(int problem) const { return problem >= firstProblem && problem <= lastProblem; }

    static const QuizStage &stage1(); // Form3: problems 1 to 15
    static const QuizStage &stage2(); // Form7: problems 16 to 30, 120 twips further left
};

// Problems come in groups of five; each group ends at the roulette.
constexpr bool beginsGroup(int problem)
{
    return problem % 5 == 1;
}
constexpr bool endsGroup(int problem)
{
    return problem % 5 == 0;
}

} // namespace piyota
