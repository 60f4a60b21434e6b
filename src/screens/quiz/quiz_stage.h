// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "course_plan.h"
#include "common/form_state.h"
#include "screen_id.h"

namespace piyota {

// What sets the two quiz screens apart: the stage whose problems they
// present, where their controls stand, and their own animation flag.
struct QuizStage {
    Stage stage;
    int shiftTwips; // added to the x of every control placed on the window
    bool FormStates::*blinkState;

    static const QuizStage &stage1(); // problems 1 to 15
    static const QuizStage &stage2(); // problems 16 to 30, 120 twips further left
};

} // namespace piyota
