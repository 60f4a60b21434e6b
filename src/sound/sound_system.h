// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media_control.h"
#include "sound_backends.h"

#include <QString>

#include <memory>

namespace piyota {

class DeferredPlayers;
class SoundModuleLoader;

// The program's sound service: owns the wave and MIDI players that all
// screens share and makes each screen's media control. Create it once, after
// the application object and before the first screen, on the user-interface
// thread. Controls that outlive it fall silent.
class SoundSystem final : public MediaControlFactory {
public:
    // The real players (libpulse for waves, FluidSynth for MIDI), which
    // come from the sound module once loadModule() has loaded it: what the
    // screens play before then is played once they are there.
    SoundSystem();
    // Given players (tests).
    SoundSystem(std::shared_ptr<WavePlayer> wavePlayer, std::shared_ptr<MidiPlayer> midiPlayer);
    ~SoundSystem() override;

    // Starts loading the sound module at `modulePath` in the background; its
    // players arrive on this thread's event loop, and the soundfont then goes
    // on loading on a thread of its own. Once only; nothing with given players.
    void loadModule(const QString &modulePath);
    // Where the program finds its sound module: beside its executable.
    static QString modulePathBesideProgram();

    std::unique_ptr<MediaControl> createControl() override;

private:
    std::shared_ptr<DeferredPlayers> deferredPlayers_; // until the module's players arrive
    std::shared_ptr<WavePlayer> wavePlayer_;
    std::shared_ptr<MidiPlayer> midiPlayer_;
    std::unique_ptr<SoundModuleLoader> loader_;
};

} // namespace piyota
