// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace piyota {

// The seam between the media control and the libraries that make sound.
// Every call returns at once and never reports a failure: whatever cannot be
// played (no audio device, unreadable file) is simply not heard.

// Something playing in the background. Destroying the handle ends it.
class Playback {
public:
    virtual ~Playback() = default;
};

// Plays wave files.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    // Plays the wave file at `path` once, to its end, whatever becomes of the
    // caller afterwards.
    virtual void playShortSound(const QString &path) = 0;
    // Plays the wave file at `path` once; it ends at the latest when the
    // returned handle is destroyed. Null when nothing plays.
    virtual std::unique_ptr<Playback> playMusic(const QString &path) = 0;
};

// Plays standard MIDI files.
class MidiPlayer {
public:
    virtual ~MidiPlayer() = default;
    // Plays a standard MIDI file (its bytes) once from its beginning; it ends
    // at the latest when the returned handle is destroyed. Null when nothing
    // plays.
    virtual std::unique_ptr<Playback> playMusic(const QByteArray &midiFile) = 0;
};

} // namespace piyota
