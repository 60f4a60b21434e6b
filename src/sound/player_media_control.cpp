#include "player_media_control.h"

#include "media_file.h"

namespace piyota {

PlayerMediaControl::PlayerMediaControl(std::weak_ptr<WavePlayer> wavePlayer,
                                       std::weak_ptr<MidiPlayer> midiPlayer)
    : wavePlayer_(std::move(wavePlayer))
    , midiPlayer_(std::move(midiPlayer))
{
}

void PlayerMediaControl::play(const SoundCue &cue)
{
    music_.reset();
    std::visit([this](const auto &asked) { start(asked); }, cue);
}

void PlayerMediaControl::start(const cue::Effect &effect)
{
    playShortSound(effect.file);
}

void PlayerMediaControl::start(const cue::Answer &answer)
{
    playShortSound(answer.file);
}

void PlayerMediaControl::start(const cue::Song &song)
{
    const std::optional<MediaFile> file = openMediaFile(song.file);
    if (!file)
        return;
    if (file->kind == MediaFile::Kind::Wave) {
        if (const auto player = wavePlayer_.lock())
            music_ = player->playMusic(file->path);
    } else if (const auto player = midiPlayer_.lock()) {
        music_ = player->playMusic(file->midi);
    }
}

void PlayerMediaControl::start(const cue::Stop &)
{
    // The music has ended with the cue.
}

void PlayerMediaControl::playShortSound(const QString &fileName)
{
    const std::optional<MediaFile> file = openMediaFile(fileName);
    if (!file || file->kind != MediaFile::Kind::Wave)
        return;
    if (const auto player = wavePlayer_.lock())
        player->playShortSound(file->path);
}

} // namespace piyota
