// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace piyota {

// The form-level variables of the screens that are only presentation: the
// flags of the two-frame animations, inverted on every tick. A screen's
// window is made anew each time it is shown, but these live for the whole
// run.
struct FormStates {
    bool titleBlink = false;
    bool stage1QuizBlink = false;
    bool stage2QuizBlink = false;
    bool lectureBlink = false;
    bool rouletteBlink = false;
    bool historyBlink = false;
};

} // namespace piyota
