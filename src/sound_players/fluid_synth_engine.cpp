// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fluid_synth_engine.h"

#include <fluidsynth.h>

namespace piyota {

namespace {

// A note the song never releases is cut this long after the song's last event.
constexpr qint64 kLongestRingSeconds = 5;

constexpr int kRate44k = 44100;
constexpr int kRate48k = 48000;

} // namespace

int FluidSynthEngine::sampleRateFor(int sinkRate)
{
    return sinkRate > 0 && sinkRate % kRate48k == 0 ? kRate48k : kRate44k;
}

FluidSynthEngine::FluidSynthEngine(int sampleRate)
    : sampleRate_(sampleRate)
{
    settings_ = new_fluid_settings();
    if (!settings_)
        return;
    // Pinning a large soundfont in memory needs privileges and buys little here.
    fluid_settings_setint(settings_, "synth.lock-memory", 0);
    // The samples of an instrument are read when a song selects it: the songs
    // use a few of the soundfont's instruments, and holding all of its
    // samples would take more memory than the rest of the program's data.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    fluid_settings_setnum(settings_, "synth.sample-rate", double(sampleRate));
    synth_ = new_fluid_synth(settings_);
}

FluidSynthEngine::~FluidSynthEngine()
{
    const std::lock_guard lock(mutex_);
    stopLocked();
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

bool FluidSynthEngine::loadSoundFont(const QStringList &candidates)
{
    const std::lock_guard lock(mutex_);
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

bool FluidSynthEngine::play(const QByteArray &midiFile)
{
    const std::lock_guard lock(mutex_);
    stopLocked();
    if (!soundFontLoaded_ || midiFile.isEmpty())
        return false;
    player_ = new_fluid_player(synth_);
    if (!player_)
        return false;
    if (fluid_player_add_mem(player_, midiFile.constData(), std::size_t(midiFile.size())) != FLUID_OK
        || fluid_player_play(player_) != FLUID_OK) {
        stopLocked();
        return false;
    }
    framesAfterLastEvent_ = 0;
    return true;
}

void FluidSynthEngine::stop()
{
    const std::lock_guard lock(mutex_);
    stopLocked();
}

void FluidSynthEngine::stopLocked()
{
    if (!player_)
        return;
    delete_fluid_player(player_);
    player_ = nullptr;
    // Every voice off, the controllers, reverb and chorus as new: the next
    // song starts from silence.
    fluid_synth_system_reset(synth_);
}

int FluidSynthEngine::sampleRate() const
{
    return sampleRate_;
}

qsizetype FluidSynthEngine::generate(float *samples, qsizetype frames)
{
    const std::lock_guard lock(mutex_);
    if (!player_ || frames <= 0)
        return 0;
    fluid_synth_write_float(synth_, int(frames), samples, 0, 2, samples, 1, 2);
    if (songIsOver(frames))
        stopLocked();
    return frames;
}

// Called after each piece generated.
bool FluidSynthEngine::songIsOver(qsizetype frames)
{
    // FluidSynth's player is done once the file's last event has passed, its
    // notes have been released and their reverb has had time to die away.
    if (fluid_player_get_status(player_) == FLUID_PLAYER_DONE)
        return true;
    // It waits for ever for a note that is never released.
    const int length = fluid_player_get_total_ticks(player_);
    if (length <= 0 || fluid_player_get_current_tick(player_) < length)
        return false;
    framesAfterLastEvent_ += frames;
    return framesAfterLastEvent_ >= kLongestRingSeconds * sampleRate_;
}

} // namespace piyota
