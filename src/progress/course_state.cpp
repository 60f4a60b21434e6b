// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "course_state.h"

namespace piyota {

void CourseState::startFresh()
{
    problemNo = 1;
    score = 0;
    for (int i = 1; i <= content::kLastProblem; ++i) {
        missCount[i] = 0;
        answerSeconds[i] = 0;
    }
}

} // namespace piyota
