// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pulse_output.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/proplist.h>
#include <pulse/rtclock.h>
#include <pulse/sample.h>
#include <pulse/stream.h>
#include <pulse/timeval.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>
#include <utility>

namespace piyota {

namespace {

// The latency asked of the server: a new stream starts within it.
constexpr pa_usec_t kTargetLatencyUs = 40'000;
// How far ahead of the server's playing a sound is written: a button's sound
// goes to the server whole at its start, so that a busy machine, which may
// keep this thread waiting for a tenth of a second, cannot make it run dry.
constexpr pa_usec_t kWriteAheadUs = 2'000'000;
// A generated sound: how much of it the server holds, and the pieces it asks
// for. Each piece wakes this thread once, which costs more than making it;
// half a second also rides out a busy machine. A stop drops what the server
// holds, so the buffer does not delay it.
constexpr pa_usec_t kGeneratedBufferUs = 500'000;
constexpr pa_usec_t kGeneratedPieceUs = 100'000;

class MainLoopLock {
public:
    explicit MainLoopLock(pa_threaded_mainloop *loop)
        : loop_(loop)
    {
        pa_threaded_mainloop_lock(loop_);
    }
    ~MainLoopLock() { pa_threaded_mainloop_unlock(loop_); }

private:
    pa_threaded_mainloop *loop_;
};

pa_proplist *propertiesOf(const char *key, const char *value)
{
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, key, value);
    return properties;
}

// How the server is to take a sound: its samples, and how much of it the
// server holds.
struct StreamSetup {
    pa_sample_spec format;
    pa_buffer_attr buffer;
    pa_stream_flags_t flags;
};

// A wave starts within the latency asked for.
StreamSetup setupFor(const WaveSound &wave)
{
    StreamSetup setup{{PA_SAMPLE_S16NE, std::uint32_t(wave.sampleRate), std::uint8_t(wave.channels)}, {},
                      PA_STREAM_ADJUST_LATENCY};
    setup.buffer.tlength = std::uint32_t(pa_usec_to_bytes(kTargetLatencyUs, &setup.format));
    setup.buffer.minreq = std::uint32_t(-1);
    return setup;
}

// A generated sound is made in pieces, while the server holds a buffer of it.
StreamSetup setupFor(const GeneratedSound &sound)
{
    StreamSetup setup{{PA_SAMPLE_FLOAT32NE, std::uint32_t(sound.sampleRate()), 2}, {}, PA_STREAM_NOFLAGS};
    setup.buffer.tlength = std::uint32_t(pa_usec_to_bytes(kGeneratedBufferUs, &setup.format));
    setup.buffer.minreq = std::uint32_t(pa_usec_to_bytes(kGeneratedPieceUs, &setup.format));
    return setup;
}

bool isOver(pa_context_state_t state)
{
    return state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
}

// A question for the server waited for on a thread other than the main loop's.
struct RateQuery {
    pa_threaded_mainloop *loop = nullptr;
    pa_operation *operation = nullptr;
    int rate = 0;
    bool done = false;
};

void onSinkInfo(pa_context *, const pa_sink_info *info, int endOfList, void *data)
{
    auto *query = static_cast<RateQuery *>(data);
    if (info)
        query->rate = int(info->sample_spec.rate);
    if (endOfList != 0)
        query->done = true;
    pa_threaded_mainloop_signal(query->loop, 0);
}

void onRateDeadline(pa_mainloop_api *, pa_time_event *, const timeval *, void *data)
{
    auto *query = static_cast<RateQuery *>(data);
    query->done = true;
    pa_threaded_mainloop_signal(query->loop, 0);
}

} // namespace

// One sound on its way to the server.
struct PulseOutput::Stream {
    PulseOutput *output = nullptr;
    SoundId id = 0;
    pa_stream *stream = nullptr;
    Content content;
    qsizetype written = 0; // of a wave
    bool draining = false;
    bool cancelled = false; // stopped before the server had made it
};

PulseOutput::PulseOutput()
{
    mainLoop_ = pa_threaded_mainloop_new();
    if (!mainLoop_)
        return;
    pa_threaded_mainloop_set_name(mainLoop_, "piyota-sound");
    if (pa_threaded_mainloop_start(mainLoop_) < 0) {
        pa_threaded_mainloop_free(mainLoop_);
        mainLoop_ = nullptr;
        return;
    }
    const MainLoopLock lock(mainLoop_);
    connect();
}

PulseOutput::~PulseOutput()
{
    if (!mainLoop_)
        return;
    {
        const MainLoopLock lock(mainLoop_);
        while (!streams_.empty())
            close(streams_.begin()->second.get());
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
            context_ = nullptr;
        }
    }
    pa_threaded_mainloop_stop(mainLoop_);
    pa_threaded_mainloop_free(mainLoop_);
}

PulseOutput::SoundId PulseOutput::play(std::shared_ptr<const WaveSound> sound, Role role)
{
    if (!sound || sound->samples.isEmpty())
        return 0;
    return playContent(std::move(sound), role);
}

PulseOutput::SoundId PulseOutput::play(std::shared_ptr<GeneratedSound> sound, Role role)
{
    if (!sound)
        return 0;
    return playContent(std::move(sound), role);
}

PulseOutput::SoundId PulseOutput::playContent(Content content, Role role)
{
    if (!mainLoop_)
        return 0;
    const MainLoopLock lock(mainLoop_);
    const SoundId id = ++lastId_;
    if (!context_ || isOver(pa_context_get_state(context_)))
        connect(); // the server went away (or was never there): try again
    if (!context_)
        return id;
    if (pa_context_get_state(context_) == PA_CONTEXT_READY)
        start(id, std::move(content), role);
    else
        waiting_.push_back({id, std::move(content), role});
    return id;
}

void PulseOutput::stop(SoundId id)
{
    if (!mainLoop_ || id == 0)
        return;
    const MainLoopLock lock(mainLoop_);
    std::erase_if(waiting_, [id](const Waiting &waiting) { return waiting.id == id; });
    const auto found = streams_.find(id);
    if (found == streams_.end())
        return;
    Stream *entry = found->second.get();
    if (pa_stream_get_state(entry->stream) == PA_STREAM_CREATING)
        entry->cancelled = true; // closed as soon as the server has made it
    else
        close(entry);
}

int PulseOutput::defaultSinkRate(std::chrono::milliseconds timeout)
{
    if (!mainLoop_)
        return 0;
    const MainLoopLock lock(mainLoop_);
    if (!context_ || isOver(pa_context_get_state(context_)))
        connect();
    if (!context_)
        return 0;
    // This connection is the one asked, even if another thread makes a new
    // one while the answer is awaited.
    pa_context *context = pa_context_ref(context_);
    RateQuery query{mainLoop_};
    pa_time_event *deadline = pa_context_rttime_new(
        context, pa_rtclock_now() + pa_usec_t(timeout.count()) * PA_USEC_PER_MSEC, &onRateDeadline, &query);
    while (!query.done && deadline) {
        const pa_context_state_t state = pa_context_get_state(context);
        if (isOver(state))
            break;
        if (state == PA_CONTEXT_READY && !query.operation) {
            query.operation = pa_context_get_sink_info_by_name(context, "@DEFAULT_SINK@", &onSinkInfo, &query);
            if (!query.operation)
                break;
        }
        pa_threaded_mainloop_wait(mainLoop_); // the callbacks signal
    }
    if (query.operation) {
        pa_operation_cancel(query.operation);
        pa_operation_unref(query.operation);
    }
    if (deadline)
        pa_threaded_mainloop_get_api(mainLoop_)->time_free(deadline);
    pa_context_unref(context);
    return query.rate;
}

// Main loop locked.
void PulseOutput::connect()
{
    if (context_) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    waiting_.clear();
    pa_proplist *properties = propertiesOf(PA_PROP_APPLICATION_ID, "io.github.piyota.Quadratic");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(mainLoop_), "piyota", properties);
    pa_proplist_free(properties);
    if (!context_)
        return;
    pa_context_set_state_callback(context_, &PulseOutput::onContextState, this);
    // Never start a server of our own: without one the program is silent.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_unref(context_);
        context_ = nullptr;
    }
}

// Main loop locked.
void PulseOutput::start(SoundId id, Content content, Role role)
{
    StreamSetup setup = std::visit([](const auto &sound) { return setupFor(*sound); }, content);
    if (!pa_sample_spec_valid(&setup.format))
        return;
    pa_proplist *properties = propertiesOf(PA_PROP_MEDIA_ROLE, role == Role::Event ? "event" : "music");
    pa_stream *stream = pa_stream_new_with_proplist(context_, "sound", &setup.format, nullptr, properties);
    pa_proplist_free(properties);
    if (!stream)
        return;

    auto entry = std::make_unique<Stream>(Stream{this, id, stream, std::move(content), 0, false, false});
    pa_stream_set_write_callback(stream, &PulseOutput::onWritable, entry.get());
    pa_stream_set_state_callback(stream, &PulseOutput::onStreamState, entry.get());
    setup.buffer.maxlength = std::uint32_t(-1);
    setup.buffer.prebuf = std::uint32_t(-1);
    setup.buffer.fragsize = std::uint32_t(-1);
    if (pa_stream_connect_playback(stream, nullptr, &setup.buffer, setup.flags, nullptr, nullptr) < 0) {
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
        return;
    }
    streams_.emplace(id, std::move(entry));
}

// Main loop locked. Closes the stream and lets go of the sound.
void PulseOutput::close(Stream *entry)
{
    pa_stream *stream = entry->stream;
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    if (pa_stream_get_state(stream) == PA_STREAM_READY)
        pa_stream_disconnect(stream);
    pa_stream_unref(stream);
    streams_.erase(entry->id);
}

void PulseOutput::onContextState(pa_context *context, void *self)
{
    auto *output = static_cast<PulseOutput *>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY) {
        for (Waiting &waiting : std::exchange(output->waiting_, {}))
            output->start(waiting.id, std::move(waiting.content), waiting.role);
    } else if (isOver(state)) {
        output->waiting_.clear();
        while (!output->streams_.empty())
            output->close(output->streams_.begin()->second.get());
    }
    pa_threaded_mainloop_signal(output->mainLoop_, 0); // for defaultSinkRate()
}

void PulseOutput::onWritable(pa_stream *, size_t bytes, void *data)
{
    auto *entry = static_cast<Stream *>(data);
    if (entry->cancelled)
        return;
    std::visit([entry, bytes](const auto &sound) { write(entry, *sound, bytes); }, entry->content);
}

void PulseOutput::write(Stream *entry, const WaveSound &wave, size_t bytes)
{
    pa_stream *stream = entry->stream;
    const QByteArray &samples = wave.samples;
    const auto ahead = qsizetype(pa_usec_to_bytes(kWriteAheadUs, pa_stream_get_sample_spec(stream)));
    const qsizetype count = std::min(std::max(qsizetype(bytes), ahead), samples.size() - entry->written);
    if (count > 0) {
        pa_stream_write(stream, samples.constData() + entry->written, size_t(count), nullptr, 0, PA_SEEK_RELATIVE);
        entry->written += count;
    }
    if (entry->written == samples.size())
        drainThenClose(entry);
}

// The sound is made straight into the server's buffer.
void PulseOutput::write(Stream *entry, GeneratedSound &sound, size_t bytes)
{
    constexpr size_t frameBytes = 2 * sizeof(float);
    pa_stream *stream = entry->stream;
    while (bytes >= frameBytes) {
        void *buffer = nullptr;
        size_t room = bytes;
        if (pa_stream_begin_write(stream, &buffer, &room) < 0 || !buffer)
            return;
        const auto asked = qsizetype(std::min(room, bytes) / frameBytes);
        if (asked == 0) {
            pa_stream_cancel_write(stream);
            return;
        }
        const qsizetype made = sound.generate(static_cast<float *>(buffer), asked);
        if (made > 0)
            pa_stream_write(stream, buffer, size_t(made) * frameBytes, nullptr, 0, PA_SEEK_RELATIVE);
        else
            pa_stream_cancel_write(stream);
        if (made < asked) {
            drainThenClose(entry);
            return;
        }
        bytes -= size_t(made) * frameBytes;
    }
}

// All written: the stream is closed once the server has played it.
void PulseOutput::drainThenClose(Stream *entry)
{
    if (entry->draining)
        return;
    entry->draining = true;
    pa_stream_set_write_callback(entry->stream, nullptr, nullptr);
    if (pa_operation *drain = pa_stream_drain(entry->stream, &PulseOutput::onDrained, entry))
        pa_operation_unref(drain);
}

void PulseOutput::onStreamState(pa_stream *stream, void *data)
{
    auto *entry = static_cast<Stream *>(data);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED || (state == PA_STREAM_READY && entry->cancelled))
        entry->output->close(entry);
}

void PulseOutput::onDrained(pa_stream *, int, void *data)
{
    auto *entry = static_cast<Stream *>(data);
    entry->output->close(entry);
}

} // namespace piyota
