#include "fluid_synth_engine.h"

#include <fluidsynth.h>

#include <chrono>
#include <thread>

namespace piyota {

namespace {

constexpr const char *kPreferredDriver = "pulseaudio";
// Between silencing the voices and resetting the synthesiser: a reset at once
// turns the stop into a fade of some 300 ms.
constexpr std::chrono::milliseconds kStopSettleTime{50};

} // namespace

FluidSynthEngine::FluidSynthEngine()
{
    settings_ = new_fluid_settings();
    if (!settings_)
        return;
    // FluidSynth's own choice of driver, kept for when ours fails.
    char *defaultDriver = nullptr;
    if (fluid_settings_dupstr(settings_, "audio.driver", &defaultDriver) == FLUID_OK && defaultDriver) {
        defaultDriver_ = defaultDriver;
        fluid_free(defaultDriver);
    }
    // Pinning a large soundfont in memory needs privileges and buys little here.
    fluid_settings_setint(settings_, "synth.lock-memory", 0);
    // The samples of an instrument are read when a song selects it: the songs
    // use a few of the soundfont's instruments, and holding all of its
    // samples would take more memory than the rest of the program's data.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    // Music needs no short latency, and every period the audio thread wakes
    // for costs as much as a stretch of synthesis: periods of 370 ms keep the
    // driver's share of a core near a quarter of a percent (64-frame periods,
    // FluidSynth's default, took a fifth of a core).
    fluid_settings_setint(settings_, "audio.period-size", 8192);
    fluid_settings_setint(settings_, "audio.periods", 2);
    // The songs are plain General MIDI tunes on a classroom speaker: half the
    // usual sample rate, no reverb or chorus, linear interpolation and at
    // most 32 voices (the quietest fading notes are the ones dropped) sound
    // the same at less than half the synthesis cost. The sound server
    // converts the rate.
    fluid_settings_setnum(settings_, "synth.sample-rate", 22050);
    fluid_settings_setint(settings_, "synth.reverb.active", 0);
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    fluid_settings_setint(settings_, "synth.polyphony", 32);
    synth_ = new_fluid_synth(settings_);
    if (synth_)
        fluid_synth_set_interp_method(synth_, -1, FLUID_INTERP_LINEAR);
}

FluidSynthEngine::~FluidSynthEngine()
{
    stop();
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

bool FluidSynthEngine::loadSoundFont(const QStringList &candidates)
{
    if (!synth_ || soundFontLoaded_)
        return soundFontLoaded_;
    for (const QString &path : candidates) {
        if (fluid_synth_sfload(synth_, path.toLocal8Bit().constData(), 1) != FLUID_FAILED) {
            soundFontLoaded_ = true;
            break;
        }
    }
    return soundFontLoaded_;
}

void FluidSynthEngine::play(const QByteArray &midiFile)
{
    stop();
    if (!soundFontLoaded_ || midiFile.isEmpty())
        return;

    // The player is made ready before the driver starts rendering: a player
    // must not be created or deleted while the synthesiser renders.
    player_ = new_fluid_player(synth_);
    if (!player_)
        return;
    if (fluid_player_add_mem(player_, midiFile.constData(), std::size_t(midiFile.size())) != FLUID_OK
        || fluid_player_play(player_) != FLUID_OK || !openAudioDriver()) {
        delete_fluid_player(player_);
        player_ = nullptr;
        fluid_synth_system_reset(synth_);
    }
}

void FluidSynthEngine::stop()
{
    if (!player_ && !driver_)
        return;
    if (player_)
        fluid_player_stop(player_);
    if (driver_) {
        fluid_synth_all_sounds_off(synth_, -1);
        std::this_thread::sleep_for(kStopSettleTime);
        closeAudioDriver();
    }
    if (player_) {
        delete_fluid_player(player_);
        player_ = nullptr;
    }
    fluid_synth_system_reset(synth_);
}

bool FluidSynthEngine::openAudioDriver()
{
    closeAudioDriver();
    fluid_settings_setstr(settings_, "audio.driver", kPreferredDriver);
    driver_ = new_fluid_audio_driver(settings_, synth_);
    if (!driver_ && !defaultDriver_.empty() && defaultDriver_ != kPreferredDriver) {
        fluid_settings_setstr(settings_, "audio.driver", defaultDriver_.c_str());
        driver_ = new_fluid_audio_driver(settings_, synth_);
    }
    return driver_ != nullptr;
}

void FluidSynthEngine::closeAudioDriver()
{
    if (driver_) {
        delete_fluid_audio_driver(driver_);
        driver_ = nullptr;
    }
}

} // namespace piyota
