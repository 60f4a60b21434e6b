#pragma once

#include "wave_file.h"

#include <QtGlobal>

#include <map>
#include <memory>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace piyota {

// Plays sounds on the PulseAudio server (or PipeWire's), one stream for each
// sound, from a thread of its own: no call waits for the server. A stream
// lasts as long as its sound and is closed as soon as its last sample has
// played, or when it is stopped.
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
    // Ends the sound if it still plays.
    void stop(SoundId id);

    struct Stream;

private:
    void connect();
    void start(SoundId id, std::shared_ptr<const WaveSound> sound, Role role);
    void close(Stream *stream);

    static void onContextState(pa_context *context, void *self);
    static void onWritable(pa_stream *stream, size_t bytes, void *data);
    static void onStreamState(pa_stream *stream, void *data);
    static void onDrained(pa_stream *stream, int success, void *data);

    struct Waiting {
        SoundId id;
        std::shared_ptr<const WaveSound> sound;
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
