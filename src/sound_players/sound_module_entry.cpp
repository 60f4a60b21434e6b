// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The entry point of the sound module: the real wave and MIDI players.
#include "fluid_midi_player.h"
#include "pulse_wave_player.h"
#include "sound_module.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT void piyota_create_sound_backends(piyota::SoundBackends *backends)
{
    backends->wavePlayer = std::make_shared<piyota::PulseWavePlayer>();
    backends->midiPlayer = std::make_shared<piyota::FluidMidiPlayer>();
}

static_assert(std::is_same_v<decltype(&piyota_create_sound_backends), piyota::CreateSoundBackends>);
