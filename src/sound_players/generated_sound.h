// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

namespace piyota {

// A sound made as it plays, such as music from a synthesiser: interleaved
// stereo 32-bit float samples at its own rate, made in the pieces the sound
// server asks for. Called on the output's thread.
class GeneratedSound {
public:
    virtual ~GeneratedSound() = default;

    virtual int sampleRate() const = 0;
    // Fills `frames` stereo frames at `samples` and returns how many it
    // filled: fewer than asked only once the sound has ended.
    virtual qsizetype generate(float *samples, qsizetype frames) = 0;
};

} // namespace piyota
