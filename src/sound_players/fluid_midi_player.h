// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound_backends.h"

#include <QStringList>

#include <memory>

namespace piyota {

class FluidMidiCore;

// Plays standard MIDI files through FluidSynth with a General MIDI soundfont,
// on a stream of the sound server that lasts as long as the song. One
// instance serves the whole program. Songs are started and stopped on a
// worker thread of its own, so no call blocks the caller: creating the player
// starts loading the soundfont there (a few hundred milliseconds for the
// large one), and music asked for before it is ready starts once it is.
//
// One song plays at a time: a new song replaces the one playing, and a
// handle whose song was replaced no longer stops anything. Without a sound
// server nothing is heard.
class FluidMidiPlayer final : public MidiPlayer {
public:
    // The General MIDI soundfonts of Debian, best first.
    static QStringList defaultSoundFonts();

    explicit FluidMidiPlayer(const QStringList &soundFonts = defaultSoundFonts());
    // Ends the music and waits for the worker (and a soundfont still loading).
    ~FluidMidiPlayer() override;

    std::unique_ptr<Playback> playMusic(const QByteArray &midiFile) override;

private:
    std::shared_ptr<FluidMidiCore> core_;
};

} // namespace piyota
