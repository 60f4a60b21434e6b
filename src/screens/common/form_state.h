#pragma once

namespace piyota {

// The form-level variables of the screens. A screen's window is made anew
// each time it is shown, but these values live for the whole run: the
// flags of the two-frame animations, inverted on every tick, and the page
// the lecture is at.
struct FormStates {
    bool titleBlink = false;
    bool stage1QuizBlink = false;
    bool stage2QuizBlink = false;
    bool lectureBlink = false;
    int lecturePageNo = 0; // the next page of the lecture to show
    bool rouletteBlink = false;
    bool historyBlink = false;
};

} // namespace piyota
