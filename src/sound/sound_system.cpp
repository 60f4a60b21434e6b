#include "sound_system.h"

#include "fluid_midi_player.h"
#include "mci_media_control.h"
#include "qt_wave_player.h"

namespace piyota {

SoundSystem::SoundSystem()
    : SoundSystem(std::make_shared<QtWavePlayer>(), std::make_shared<FluidMidiPlayer>())
{
}

SoundSystem::SoundSystem(std::shared_ptr<WavePlayer> wavePlayer,
                         std::shared_ptr<MidiPlayer> midiPlayer)
    : wavePlayer_(std::move(wavePlayer))
    , midiPlayer_(std::move(midiPlayer))
{
}

SoundSystem::~SoundSystem() = default;

std::unique_ptr<MediaControl> SoundSystem::createControl()
{
    return std::make_unique<MciMediaControl>(wavePlayer_, midiPlayer_);
}

} // namespace piyota
