// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound_backends.h"

#include <memory>

namespace piyota {

class PulseOutput;

// Plays wave files on the sound server: each is read with libsndfile when it
// is asked for and played on a stream of its own, which closes when the sound
// has played. One instance serves the whole program; no call waits for the
// server, and without one nothing is heard.
class PulseWavePlayer final : public WavePlayer {
public:
    PulseWavePlayer();
    ~PulseWavePlayer() override;

    void playShortSound(const QString &path) override;
    std::unique_ptr<Playback> playMusic(const QString &path) override;

private:
    std::shared_ptr<PulseOutput> output_;
};

} // namespace piyota
