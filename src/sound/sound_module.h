// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound_backends.h"

#include <memory>

namespace piyota {

// The players that make sound. They live in a module of their own, loaded at
// run time, so that the libraries behind them (FluidSynth, libpulse, libsndfile and
// some fifty more) do not delay the program's first window.
struct SoundBackends {
    std::shared_ptr<WavePlayer> wavePlayer;
    std::shared_ptr<MidiPlayer> midiPlayer;
};

// The module's one entry point: fills in the real players. Call it on the
// user-interface thread.
using CreateSoundBackends = void (*)(SoundBackends *backends);
inline constexpr char kCreateSoundBackendsSymbol[] = "piyota_create_sound_backends";

} // namespace piyota
