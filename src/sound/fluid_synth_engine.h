#pragma once

#include <QByteArray>
#include <QStringList>

#include <fluidsynth/types.h>

#include <string>

namespace piyota {

// FluidSynth's synthesiser with a General MIDI soundfont, playing one standard
// MIDI file at a time. Not thread-safe: every call, construction and
// destruction included, must come from one thread at a time (the MIDI
// player's worker), and some calls take tens to hundreds of milliseconds.
//
// The audio driver is opened for each song and closed when it is stopped or
// over: a driver whose sound server went away stays silent for good, with no
// server at all no driver opens, so the song is silently not heard, and a
// driver left open would go on rendering silence.
//
// Music plays at FluidSynth's own rate (44.1 kHz, the sound server's usual
// rate) with its reverb, chorus, interpolation and polyphony.
class FluidSynthEngine {
public:
    FluidSynthEngine();
    ~FluidSynthEngine(); // stops the song

    FluidSynthEngine(const FluidSynthEngine &) = delete;
    FluidSynthEngine &operator=(const FluidSynthEngine &) = delete;

    // Loads the first soundfont of the list that loads; true if one did.
    bool loadSoundFont(const QStringList &candidates);
    // Stops the song playing, then plays this one once from its beginning.
    void play(const QByteArray &midiFile);
    // Ends the song cleanly, within one audio period; nothing when none plays.
    void stop();
    // True once the song playing has come to its end (its last notes may
    // still ring in the reverb).
    bool songHasEnded() const;

private:
    bool openAudioDriver();
    void closeAudioDriver();

    fluid_settings_t *settings_ = nullptr;
    fluid_synth_t *synth_ = nullptr;
    fluid_audio_driver_t *driver_ = nullptr;
    fluid_player_t *player_ = nullptr;
    std::string defaultDriver_;
    bool soundFontLoaded_ = false;
};

} // namespace piyota
