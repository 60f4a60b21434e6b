// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cue_recording.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace piyota::sequence {

// Milliseconds on the clock that times both the commands and the recording.
double nowMs();

// Records the default sink's monitor of the sound server (PULSE_SERVER) on a
// thread of its own, in small fragments, noting when each one arrives, which
// dates the recording (dateRecording).
class SinkRecorder {
public:
    SinkRecorder();
    ~SinkRecorder();

    SinkRecorder(const SinkRecorder &) = delete;
    SinkRecorder &operator=(const SinkRecorder &) = delete;

    // Empty when the server could not be reached.
    QString error() const { return error_; }
    // Milliseconds of sound recorded so far.
    double recordedMs() const;
    // Ends the recording and returns it, dated from the fragments that
    // arrived after `datingFromMs`.
    Recording finish(double datingFromMs);

private:
    void run(void *stream);

    QString error_;
    mutable std::mutex mutex_;
    std::vector<float> samples_;
    std::vector<Arrival> arrivals_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace piyota::sequence
