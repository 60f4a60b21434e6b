#include "fluid_synth_engine.h"

#include <fluidsynth.h>

namespace piyota {

namespace {

constexpr const char *kPreferredDriver = "pulseaudio";
constexpr int kPeriodFrames = 3072;

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
    // Every period the audio thread wakes for costs about half a millisecond
    // beside the synthesis: 64-frame periods (FluidSynth's default) took a
    // fifth of a core. A song takes 4-5 % of a core with 1024-frame periods,
    // about 3 % with 3072 (70 ms at 44.1 kHz) and 2-3 % with 4096. Closing
    // the driver, which is how a song stops, waits for the period being
    // written: 3072-frame periods fall silent within 100 ms, 4096 do not
    // always.
    fluid_settings_setint(settings_, "audio.period-size", kPeriodFrames);
    fluid_settings_setint(settings_, "audio.periods", 2);
    synth_ = new_fluid_synth(settings_);
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
    // Closing the driver ends the sound at once: the server drops what it
    // holds of the stream. Nothing renders afterwards, so the player can go
    // and the synthesiser be reset without a fade.
    closeAudioDriver();
    if (player_) {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
        player_ = nullptr;
    }
    fluid_synth_system_reset(synth_);
}

bool FluidSynthEngine::songHasEnded() const
{
    return player_ && fluid_player_get_status(player_) == FLUID_PLAYER_DONE;
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
