#include "fluid_midi_player.h"

#include "fluid_synth_engine.h"
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
// its turn comes, and stops one only if it is still the one playing.
class FluidMidiCore {
public:
    explicit FluidMidiCore(const QStringList &soundFonts)
    {
        worker_.post([this, soundFonts] {
            engine_ = std::make_unique<FluidSynthEngine>();
            engine_->loadSoundFont(soundFonts);
        });
    }

    ~FluidMidiCore()
    {
        wanted_ = 0;
        worker_.post([this] { engine_.reset(); });
    }

    // Caller's thread.
    quint64 play(const QByteArray &midiFile)
    {
        const quint64 song = ++lastSong_;
        wanted_ = song;
        worker_.post([this, song, midiFile] {
            if (wanted_ != song || !engine_)
                return;
            engine_->play(midiFile);
            playing_ = song;
            closeWhenOver(song);
        });
        return song;
    }

    // Caller's thread.
    void stop(quint64 song)
    {
        quint64 expected = song;
        wanted_.compare_exchange_strong(expected, 0);
        worker_.post([this, song] {
            if (playing_ != song || !engine_)
                return;
            engine_->stop();
            playing_ = 0;
        });
    }

private:
    // Worker. Once the song has ended and its reverb has died away, the
    // driver is closed: it would render silence for as long as it is open.
    void closeWhenOver(quint64 song)
    {
        worker_.watchWhileIdle(kSongOverCheckInterval, [this, song, endedBefore = false]() mutable {
            if (playing_ != song || !engine_)
                return false;
            if (!engine_->songHasEnded())
                return true;
            if (!endedBefore) {
                endedBefore = true; // one interval more for the reverb
                return true;
            }
            engine_->stop();
            playing_ = 0;
            return false;
        });
    }

    static constexpr std::chrono::milliseconds kSongOverCheckInterval{1000};

    quint64 lastSong_ = 0;          // caller's thread
    std::atomic<quint64> wanted_{0}; // written by the caller, read by the worker
    quint64 playing_ = 0;           // worker
    std::unique_ptr<FluidSynthEngine> engine_; // worker
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
