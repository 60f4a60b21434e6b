// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sink_recorder.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <chrono>
#include <limits>

namespace piyota::sequence {

namespace {

constexpr int kRate = 44100;
constexpr std::size_t kFragmentFrames = kRate / 200; // 5 ms

} // namespace

double nowMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

SinkRecorder::SinkRecorder()
{
    const pa_sample_spec sampleFormat{PA_SAMPLE_FLOAT32LE, kRate, 1};
    pa_buffer_attr attributes{};
    attributes.maxlength = std::numeric_limits<std::uint32_t>::max();
    attributes.fragsize = std::uint32_t(kFragmentFrames * sizeof(float));
    int error = 0;
    pa_simple *stream = pa_simple_new(nullptr, "piyota sequence check", PA_STREAM_RECORD, "@DEFAULT_MONITOR@",
                                      "recording", &sampleFormat, nullptr, &attributes, &error);
    if (!stream) {
        error_ = QString::fromUtf8(pa_strerror(error));
        return;
    }
    thread_ = std::thread([this, stream] { run(stream); });
}

SinkRecorder::~SinkRecorder()
{
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
}

void SinkRecorder::run(void *opaque)
{
    auto *stream = static_cast<pa_simple *>(opaque);
    std::vector<float> fragment(kFragmentFrames);
    while (!stopping_) {
        int error = 0;
        if (pa_simple_read(stream, fragment.data(), fragment.size() * sizeof(float), &error) < 0)
            break;
        const double arrival = nowMs();
        const std::lock_guard lock(mutex_);
        samples_.insert(samples_.end(), fragment.begin(), fragment.end());
        arrivals_.push_back({samples_.size(), arrival});
    }
    pa_simple_free(stream);
}

double SinkRecorder::recordedMs() const
{
    const std::lock_guard lock(mutex_);
    return 1000.0 * double(samples_.size()) / kRate;
}

Recording SinkRecorder::finish(double datingFromMs)
{
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
    Recording recording;
    recording.sampleRate = kRate;
    recording.samples = std::move(samples_);
    dateRecording(recording, arrivals_, datingFromMs);
    return recording;
}

} // namespace piyota::sequence
