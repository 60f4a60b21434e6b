// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <variant>

namespace piyota {

// The sound files of the course, in the working directory.
namespace SoundFile {
inline const QString forward = QStringLiteral("pinpon.wav");
inline const QString quit = QStringLiteral("endpinpon.wav");
inline const QString correct = QStringLiteral("Chimes.wav");
inline const QString wrong = QStringLiteral("Chimes2.wav");
inline const QString titleMusic = QStringLiteral("passport.mid");
inline const QString rouletteMusic = QStringLiteral("Canyon.mid");
inline const QString historyMusic = QStringLiteral("bahha.rmi");
} // namespace SoundFile

// What a screen asks its media control to play. Every cue first ends the
// music the control was playing.
namespace cue {

// A button's sound: a wave file, once, to its end.
struct Effect {
    QString file;
    bool operator==(const Effect &) const = default;
};

// A verdict's sound, played as a button's.
struct Answer {
    QString file;
    bool operator==(const Answer &) const = default;
};

// A screen's music: a MIDI file (standard or RMID) or a wave, once from its
// beginning, at the longest while the screen is open.
struct Song {
    QString file;
    bool operator==(const Song &) const = default;
};

// Nothing more than the end of the music.
struct Stop {
    bool operator==(const Stop &) const = default;
};

} // namespace cue

using SoundCue = std::variant<cue::Effect, cue::Answer, cue::Song, cue::Stop>;

} // namespace piyota
