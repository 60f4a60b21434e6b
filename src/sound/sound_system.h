#pragma once

#include "media_control.h"
#include "sound_backends.h"

#include <memory>

namespace piyota {

// The program's sound service: owns the wave and MIDI players that all
// screens share and makes each screen's media control. Create it once, after
// the application object and before the first screen, on the user-interface
// thread; it starts loading the soundfont in the background at once. Controls
// that outlive it fall silent.
class SoundSystem final : public MediaControlFactory {
public:
    // The real backends: Qt Multimedia for waves, FluidSynth for MIDI.
    SoundSystem();
    // Given backends (tests).
    SoundSystem(std::shared_ptr<WavePlayer> wavePlayer, std::shared_ptr<MidiPlayer> midiPlayer);
    ~SoundSystem() override;

    std::unique_ptr<MediaControl> createControl() override;

private:
    std::shared_ptr<WavePlayer> wavePlayer_;
    std::shared_ptr<MidiPlayer> midiPlayer_;
};

} // namespace piyota
