#pragma once

#include "sound/sound_cues.h"

#include <QString>

#include <vector>

namespace piyota::sequence {

// One step of the sequence, taken `afterMs` after the step before it.
struct Step {
    enum class Kind {
        OpenScreen, // a new screen with its own control; the one before closes
        CloseScreen,
        Effect,
        Answer,
        Music,
        ExpectNoStream, // nothing should play now: no stream left on the server
    };
    Kind kind;
    int afterMs = 0;
    QString file;   // Effect, Answer, Music
    QString label;  // where in the course, for the report
    MusicClose closeWord = MusicClose::LowerCase;
};

// The cues of the course as its screens play them, from the title to the
// history board: every problem answered wrong, its lecture opened and left,
// answered right and left with 次へ, the roulette after every fifth problem;
// then a second run resumed at problem 16. Answers and button sounds follow
// each other down to 100 ms apart.
std::vector<Step> courseSequence();

} // namespace piyota::sequence
