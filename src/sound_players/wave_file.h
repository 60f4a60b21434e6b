// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace piyota {

// The sound of a wave file, ready for the sound server: interleaved signed
// 16-bit samples in the machine's byte order.
struct WaveSound {
    int sampleRate = 0;
    int channels = 0;
    QByteArray samples;
};

// Reads and decodes the wave file at `path` (PCM of any width, float, or the
// other encodings libsndfile reads). Nothing when the file is missing, not a
// sound file, empty, or longer than a few minutes.
std::optional<WaveSound> readWaveFile(const QString &path);

} // namespace piyota
