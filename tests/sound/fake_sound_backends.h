// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound_backends.h"

#include <QByteArray>
#include <QFileInfo>
#include <QStringList>

#include <memory>

namespace piyota::testing {

// Wave and MIDI players that write down what they are asked to play, and when
// a piece of music ends because its handle went, in one shared log:
//   "short <file>"       a short sound started (it has no handle: it plays on)
//   "wave <file>"        wave music started
//   "midi <n bytes>"     MIDI music started
//   "end wave <file>" / "end midi <n bytes>"   that music ended
// Files are written by their name only; the MIDI bytes are kept in lastMidi.
struct SoundLog {
    QStringList entries;
    QByteArray lastMidi;
    int musicPlaying = 0;
};

class FakePlayback final : public Playback {
public:
    FakePlayback(std::shared_ptr<SoundLog> log, QString what)
        : log_(std::move(log))
        , what_(std::move(what))
    {
        log_->entries.append(what_);
        ++log_->musicPlaying;
    }
    ~FakePlayback() override
    {
        log_->entries.append(QStringLiteral("end ") + what_);
        --log_->musicPlaying;
    }

private:
    std::shared_ptr<SoundLog> log_;
    QString what_;
};

class FakeWavePlayer final : public WavePlayer {
public:
    explicit FakeWavePlayer(std::shared_ptr<SoundLog> log)
        : log_(std::move(log))
    {
    }
    void playShortSound(const QString &path) override
    {
        log_->entries.append(QStringLiteral("short ") + QFileInfo(path).fileName());
    }
    std::unique_ptr<Playback> playMusic(const QString &path) override
    {
        return std::make_unique<FakePlayback>(log_, QStringLiteral("wave ") + QFileInfo(path).fileName());
    }

private:
    std::shared_ptr<SoundLog> log_;
};

class FakeMidiPlayer final : public MidiPlayer {
public:
    explicit FakeMidiPlayer(std::shared_ptr<SoundLog> log)
        : log_(std::move(log))
    {
    }
    std::unique_ptr<Playback> playMusic(const QByteArray &midiFile) override
    {
        log_->lastMidi = midiFile;
        return std::make_unique<FakePlayback>(
            log_, QStringLiteral("midi %1 bytes").arg(midiFile.size()));
    }

private:
    std::shared_ptr<SoundLog> log_;
};

} // namespace piyota::testing
