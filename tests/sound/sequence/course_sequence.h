// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound_cues.h"

#include <QString>

#include <variant>
#include <vector>

namespace piyota::sequence {

// What a step does, beside the cues a screen plays.
struct OpenScreen {}; // a new screen with its own control; the one before closes
struct CloseScreen {};
struct SongToItsEnd { // music left to end by itself: not judged as music stopped
    QString file;
};
struct ExpectNoStream {}; // nothing should play now: no stream left on the server

using Action = std::variant<OpenScreen, CloseScreen, SoundCue, SongToItsEnd, ExpectNoStream>;

// One step of the sequence, taken `afterMs` after the step before it.
struct Step {
    Action action;
    int afterMs = 0;
    QString label; // where in the course, for the report
};

// A song of half a second, which the check writes beside the course's music.
inline const QString shortSongFile = QStringLiteral("short_song.mid");

// The cues of the course as its screens play them, from the title to the
// history board: every problem answered wrong, its lecture opened and left,
// answered right and left with 次へ, the roulette after every fifth problem;
// then a second run resumed at problem 16. Answers and button sounds follow
// each other down to 100 ms apart. Last, a screen whose song plays to its end
// (its stream must close by itself) and then plays the title's song.
std::vector<Step> courseSequence();

} // namespace piyota::sequence
