// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generated_sound.h"
#include "wave_file.h"

#include <QtGlobal>

#include <chrono>
#include <map>
#include <memory>
#include <variant>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace piyota {

// Plays sounds on the PulseAudio server (or PipeWire's), one stream for each
// sound, from a thread of its own: no call waits for the server. A stream
// lasts as long as its sound and is closed as soon as its last sample has
// played, or when it is stopped: then what the server still holds of it is
// dropped, and it falls silent at once.
//
// A wave is written to the server whole at its start. A generated sound is
// asked for its samples on that thread, in pieces of a tenth of a second
// while the server holds half a second of it.
//
// The connection is made on construction and made again on the next sound
// after the server went away. Without a server, sounds are dropped silently.
class PulseOutput final {
public:
    PulseOutput();
    ~PulseOutput(); // ends every sound

    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

    using SoundId = quint64;
    enum class Role { Event, Music };
    // Starts playing `sound` once, from its beginning.
    SoundId play(std::shared_ptr<const WaveSound> sound, Role role);
    // Starts playing `sound` until it ends.
    SoundId play(std::shared_ptr<GeneratedSound> sound, Role role);
    // Ends the sound if it still plays.
    void stop(SoundId id);

    // The sample rate of the server's default sink, asked of the server;
    // 0 when there is no server or it gives no answer within `timeout`.
    // Waits for the answer: not for the user interface's thread.
    int defaultSinkRate(std::chrono::milliseconds timeout);

    struct Stream;

private:
    // What a stream plays: a wave, written to the server whole, or a sound
    // made as it plays.
    using Content = std::variant<std::shared_ptr<const WaveSound>, std::shared_ptr<GeneratedSound>>;

    SoundId playContent(Content content, Role role);
    void connect();
    void start(SoundId id, Content content, Role role);
    void close(Stream *stream);

    static void onContextState(pa_context *context, void *self);
    static void onWritable(pa_stream *stream, size_t bytes, void *data);
    static void write(Stream *entry, const WaveSound &wave, size_t bytes);
    static void write(Stream *entry, GeneratedSound &sound, size_t bytes);
    static void drainThenClose(Stream *entry);
    static void onStreamState(pa_stream *stream, void *data);
    static void onDrained(pa_stream *stream, int success, void *data);

    struct Waiting {
        SoundId id;
        Content content;
        Role role;
    };

    // All below are guarded by the main loop's lock.
    pa_threaded_mainloop *mainLoop_ = nullptr;
    pa_context *context_ = nullptr;
    SoundId lastId_ = 0;
    std::vector<Waiting> waiting_; // while the connection is being made
    std::map<SoundId, std::unique_ptr<Stream>> streams_;
};

} // namespace piyota
