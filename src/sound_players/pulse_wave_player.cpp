// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pulse_wave_player.h"

#include "pulse_output.h"
#include "wave_file.h"

namespace piyota {

namespace {

std::shared_ptr<const WaveSound> read(const QString &path)
{
    std::optional<WaveSound> sound = readWaveFile(path);
    return sound ? std::make_shared<const WaveSound>(std::move(*sound)) : nullptr;
}

class PulsePlayback final : public Playback {
public:
    PulsePlayback(std::weak_ptr<PulseOutput> output, PulseOutput::SoundId id)
        : output_(std::move(output))
        , id_(id)
    {
    }
    ~PulsePlayback() override
    {
        if (const auto output = output_.lock())
            output->stop(id_);
    }

private:
    std::weak_ptr<PulseOutput> output_;
    PulseOutput::SoundId id_;
};

} // namespace

PulseWavePlayer::PulseWavePlayer()
    : output_(std::make_shared<PulseOutput>())
{
}

PulseWavePlayer::~PulseWavePlayer() = default;

void PulseWavePlayer::playShortSound(const QString &path)
{
    if (auto sound = read(path))
        output_->play(std::move(sound), PulseOutput::Role::Event);
}

std::unique_ptr<Playback> PulseWavePlayer::playMusic(const QString &path)
{
    auto sound = read(path);
    if (!sound)
        return nullptr;
    return std::make_unique<PulsePlayback>(output_, output_->play(std::move(sound), PulseOutput::Role::Music));
}

} // namespace piyota
