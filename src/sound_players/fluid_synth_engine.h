// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generated_sound.h"

#include <QByteArray>
#include <QStringList>

#include <fluidsynth/types.h>

#include <mutex>

namespace piyota {

// FluidSynth's synthesiser with a General MIDI soundfont, playing one standard
// MIDI file at a time and generating its sound for a stream of the sound
// server (no FluidSynth audio driver: the stream asks for samples in large
// pieces, which costs a fraction of the driver's wake-ups, and a stop drops
// what the server holds at once).
//
// Music is made at the given rate with FluidSynth's reverb, chorus,
// interpolation and polyphony. Safe to use from two threads: the stream
// generates on its thread while songs are started and stopped on another.
// Loading the soundfont and starting a song take milliseconds to hundreds of
// milliseconds.
class FluidSynthEngine final : public GeneratedSound {
public:
    // The rate to make music at for a sink running at `sinkRate` (0 when
    // not known): 48 kHz for a sink at a multiple of it, else 44.1 kHz, so
    // that the server need not convert the rate, or converts it simply.
    static int sampleRateFor(int sinkRate);

    explicit FluidSynthEngine(int sampleRate);
    ~FluidSynthEngine() override;

    FluidSynthEngine(const FluidSynthEngine &) = delete;
    FluidSynthEngine &operator=(const FluidSynthEngine &) = delete;

    // Loads the first soundfont of the list that loads; true if one did.
    bool loadSoundFont(const QStringList &candidates);
    // Plays this song once from its beginning, in place of the one playing.
    // False when it cannot be played (no soundfont, not a MIDI file): then
    // nothing plays.
    bool play(const QByteArray &midiFile);
    // Ends the song at once: nothing more is generated until the next play.
    void stop();

    int sampleRate() const override;
    // The song's sound. It ends once the song has played to its end and its
    // last notes and their reverb have died away, or, for a note the song
    // never releases, a few seconds after its last event.
    qsizetype generate(float *samples, qsizetype frames) override;

private:
    void stopLocked();
    bool songIsOver(qsizetype frames);

    mutable std::mutex mutex_;
    fluid_settings_t *settings_ = nullptr;
    fluid_synth_t *synth_ = nullptr;
    fluid_player_t *player_ = nullptr;
    int sampleRate_ = 0;
    bool soundFontLoaded_ = false;
    qint64 framesAfterLastEvent_ = 0;
};

} // namespace piyota
