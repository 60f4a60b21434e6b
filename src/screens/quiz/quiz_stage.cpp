// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz_stage.h"

namespace piyota {

const QuizStage &QuizStage::stage1()
{
    static const QuizStage stage{Stage::First, 0, &FormStates::stage1QuizBlink};
    return stage;
}

const QuizStage &QuizStage::stage2()
{
    static const QuizStage stage{Stage::Second, -120, &FormStates::stage2QuizBlink};
    return stage;
}

} // namespace piyota
