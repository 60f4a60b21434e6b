// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "player_media_control.h"

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
    if (const std::optional<MediaFile> file = openMediaFile(song.file))
        music_ = std::visit([this](const auto &media) { return playMusic(media); }, *file);
}

void PlayerMediaControl::start(const cue::Stop &)
{
    // The music has ended with the cue.
}

void PlayerMediaControl::playShortSound(const QString &fileName)
{
    const std::optional<MediaFile> file = openMediaFile(fileName);
    const auto *wave = file ? std::get_if<WaveMedia>(&*file) : nullptr;
    if (!wave)
        return;
    if (const auto player = wavePlayer_.lock())
        player->playShortSound(wave->path);
}

std::unique_ptr<Playback> PlayerMediaControl::playMusic(const WaveMedia &wave) const
{
    const auto player = wavePlayer_.lock();
    return player ? player->playMusic(wave.path) : nullptr;
}

std::unique_ptr<Playback> PlayerMediaControl::playMusic(const MidiMedia &midi) const
{
    const auto player = midiPlayer_.lock();
    return player ? player->playMusic(midi.midiFile) : nullptr;
}

} // namespace piyota
