// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wave_file.h"

#include <QFile>

#include <sndfile.h>

namespace piyota {

namespace {

// Waves are read whole on the caller's thread; this bounds the time and
// memory one may take (three minutes of CD-quality stereo).
constexpr qint64 kMaxSampleBytes = 32 * 1024 * 1024;
constexpr int kMaxChannels = 8;

} // namespace

std::optional<WaveSound> readWaveFile(const QString &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return std::nullopt;
    std::optional<WaveSound> sound;
    const qint64 bytes = qint64(info.frames) * info.channels * qint64(sizeof(short));
    if (info.channels > 0 && info.channels <= kMaxChannels && info.samplerate > 0 && bytes <= kMaxSampleBytes) {
        WaveSound decoded{info.samplerate, info.channels, QByteArray(bytes, Qt::Uninitialized)};
        const sf_count_t read = sf_readf_short(file, reinterpret_cast<short *>(decoded.samples.data()), info.frames);
        if (read > 0) { // a sound without samples is none
            decoded.samples.truncate(read * info.channels * qsizetype(sizeof(short)));
            sound = std::move(decoded);
        }
    }
    sf_close(file);
    return sound;
}

} // namespace piyota
