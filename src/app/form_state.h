#pragma once

#include <cstdint>

namespace piyota {

// A two-frame animation flag: 0 or -1, inverted on every tick.
using BlinkState = std::int16_t;

// The form-level variables of the screens. A screen's window is made anew
// each time it is shown, but these values live for the whole run.
struct FormStates {
    BlinkState titleBlink = 0;
    BlinkState stage1QuizBlink = 0;
    BlinkState stage2QuizBlink = 0;
    BlinkState lectureBlink = 0;
    std::int16_t lecturePageNo = 0; // the next page of the lecture to show
    BlinkState rouletteBlink = 0;
    BlinkState historyBlink = 0;
};

} // namespace piyota
