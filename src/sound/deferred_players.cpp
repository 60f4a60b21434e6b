// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deferred_players.h"

namespace piyota {

// Music asked for before the players arrived: how to start it, and once
// started, the real handle. Shared by the waiting list and the caller's handle.
struct DeferredPlayers::WaitingMusic {
    StartMusic start;
    std::unique_ptr<Playback> playing;
};

namespace {

// The caller's handle of waiting music: dropping it ends the music, or keeps
// it from starting at all.
class WaitingPlayback final : public Playback {
public:
    explicit WaitingPlayback(std::shared_ptr<DeferredPlayers::WaitingMusic> music)
        : music_(std::move(music))
    {
    }

private:
    std::shared_ptr<DeferredPlayers::WaitingMusic> music_;
};

} // namespace

DeferredPlayers::DeferredPlayers() = default;
DeferredPlayers::~DeferredPlayers() = default;

void DeferredPlayers::arrive(SoundBackends backends)
{
    if (backends_)
        return;
    backends_ = std::move(backends);
    if (backends_->wavePlayer) {
        for (const QString &path : std::as_const(waitingShortSounds_))
            backends_->wavePlayer->playShortSound(path);
    }
    waitingShortSounds_.clear();
    for (const std::weak_ptr<WaitingMusic> &waiting : waitingMusic_) {
        if (const auto music = waiting.lock())
            music->playing = music->start(*backends_);
    }
    waitingMusic_.clear();
}

void DeferredPlayers::playShortSound(const QString &path)
{
    if (!backends_)
        waitingShortSounds_.append(path);
    else if (backends_->wavePlayer)
        backends_->wavePlayer->playShortSound(path);
}

std::unique_ptr<Playback> DeferredPlayers::playMusic(const QString &path)
{
    return playOrWait([path](const SoundBackends &backends) {
        return backends.wavePlayer ? backends.wavePlayer->playMusic(path) : nullptr;
    });
}

std::unique_ptr<Playback> DeferredPlayers::playMusic(const QByteArray &midiFile)
{
    return playOrWait([midiFile](const SoundBackends &backends) {
        return backends.midiPlayer ? backends.midiPlayer->playMusic(midiFile) : nullptr;
    });
}

std::unique_ptr<Playback> DeferredPlayers::playOrWait(StartMusic start)
{
    if (backends_)
        return start(*backends_);
    auto music = std::make_shared<WaitingMusic>(WaitingMusic{std::move(start), nullptr});
    waitingMusic_.push_back(music);
    return std::make_unique<WaitingPlayback>(std::move(music));
}

} // namespace piyota
