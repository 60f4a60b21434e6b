// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fluid_midi_player.h"

#include "fluid_synth_engine.h"
#include "pulse_output.h"
#include "serial_worker.h"

#include <QLoggingCategory>

#include <fluidsynth.h>

#include <atomic>
#include <chrono>
#include <mutex>

namespace piyota {

namespace {

Q_LOGGING_CATEGORY(lcMidi, "piyota.sound.midi", QtWarningMsg)

// FluidSynth reports failures (no sound server, no soundfont) on standard
// error; the program stays silent instead, and keeps them for debugging.
void logFluidMessage(int, const char *message, void *)
{
    qCDebug(lcMidi, "%s", message);
}

void routeFluidSynthLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, logFluidMessage, nullptr);
    });
}

} // namespace

// The state shared between the player, its handles and the worker. Songs are
// numbered; the worker plays a song only if it is still the one wanted when
// its turn comes, and stops one only if it is still the one playing. A song
// that plays to its end closes its stream by itself.
class FluidMidiCore {
public:
    explicit FluidMidiCore(const QStringList &soundFonts)
    {
        worker_.post([this, soundFonts] {
            output_ = std::make_unique<PulseOutput>();
            const int sinkRate = output_->defaultSinkRate(kServerAnswerTimeout);
            engine_ = std::make_shared<FluidSynthEngine>(FluidSynthEngine::sampleRateFor(sinkRate));
            engine_->loadSoundFont(soundFonts);
        });
    }

    ~FluidMidiCore()
    {
        wanted_ = 0;
        worker_.post([this] {
            endSong();
            engine_.reset();
            output_.reset();
        });
    }

    // Caller's thread.
    quint64 play(const QByteArray &midiFile)
    {
        const quint64 song = ++lastSong_;
        wanted_ = song;
        worker_.post([this, song, midiFile] {
            if (wanted_ != song || !engine_)
                return;
            endSong();
            if (engine_->play(midiFile))
                stream_ = output_->play(engine_, PulseOutput::Role::Music);
            playing_ = song;
        });
        return song;
    }

    // Caller's thread.
    void stop(quint64 song)
    {
        quint64 expected = song;
        wanted_.compare_exchange_strong(expected, 0);
        worker_.post([this, song] {
            if (playing_ == song)
                endSong();
        });
    }

private:
    // Worker. The stream goes first, so that the engine is not asked for
    // more of the song while it stops.
    void endSong()
    {
        if (!engine_)
            return;
        output_->stop(stream_);
        engine_->stop();
        stream_ = 0;
        playing_ = 0;
    }

    static constexpr std::chrono::milliseconds kServerAnswerTimeout{1000};

    quint64 lastSong_ = 0;           // caller's thread
    std::atomic<quint64> wanted_{0}; // written by the caller, read by the worker
    quint64 playing_ = 0;            // worker, from here on
    PulseOutput::SoundId stream_ = 0;
    std::unique_ptr<PulseOutput> output_;
    std::shared_ptr<FluidSynthEngine> engine_; // shared with its stream
    SerialWorker worker_; // last: joined before the members above go
};

namespace {

class FluidPlayback final : public Playback {
public:
    FluidPlayback(std::weak_ptr<FluidMidiCore> core, quint64 song)
        : core_(std::move(core))
        , song_(song)
    {
    }
    ~FluidPlayback() override
    {
        if (const auto core = core_.lock())
            core->stop(song_);
    }

private:
    std::weak_ptr<FluidMidiCore> core_;
    quint64 song_;
};

} // namespace

QStringList FluidMidiPlayer::defaultSoundFonts()
{
    // TimGM6mb loads in a few tens of milliseconds; the system default may be
    // a soundfont of over a hundred megabytes.
    return {QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2")};
}

FluidMidiPlayer::FluidMidiPlayer(const QStringList &soundFonts)
{
    routeFluidSynthLog();
    core_ = std::make_shared<FluidMidiCore>(soundFonts);
}

FluidMidiPlayer::~FluidMidiPlayer() = default;

std::unique_ptr<Playback> FluidMidiPlayer::playMusic(const QByteArray &midiFile)
{
    return std::make_unique<FluidPlayback>(core_, core_->play(midiFile));
}

} // namespace piyota
