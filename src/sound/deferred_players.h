// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound_module.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace piyota {

// Stands in for the real players until they arrive from the sound module.
// What is asked for before then is kept and started on arrival, in order:
// short sounds play, and music plays unless its handle has gone meanwhile.
// Afterwards every call goes straight to the real players. When the module
// did not load, nothing is heard. User-interface thread only.
class DeferredPlayers final : public WavePlayer, public MidiPlayer {
public:
    DeferredPlayers();
    ~DeferredPlayers() override;

    // Hands over the real players (either may be null: that kind stays silent).
    void arrive(SoundBackends backends);

    void playShortSound(const QString &path) override;
    std::unique_ptr<Playback> playMusic(const QString &path) override;
    std::unique_ptr<Playback> playMusic(const QByteArray &midiFile) override;

    struct WaitingMusic;

private:
    using StartMusic = std::function<std::unique_ptr<Playback>(const SoundBackends &)>;
    // Starts the music now, or once the players arrive.
    std::unique_ptr<Playback> playOrWait(StartMusic start);

    std::optional<SoundBackends> backends_; // empty until they arrive
    QStringList waitingShortSounds_;
    std::vector<std::weak_ptr<WaitingMusic>> waitingMusic_;
};

} // namespace piyota
