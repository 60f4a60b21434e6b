// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the course's sound cues as its screens do, through the real sound
// system, while recording the sound server's sink, and checks the recording:
// every wave cue is heard from its start within 30 ms of its command, none is
// heard late or twice (a few cues late while the machine's load held up the
// recording as long are reported, not failed), music stops within 100 ms of
// the button or the closing screen that ends it, and no stream is left on
// the server once its sounds have ended, a song that played to its end
// included. For scripts/check-sound, which starts the server.
//
// Usage: sound_sequence_check DIR [RECORDING.raw]
// DIR holds the course's music files; the check writes its marker waves
// there under the names of the course's waves. Exits 0 when every cue passed.
#include "course_sequence.h"
#include "cue_recording.h"
#include "sink_recorder.h"

#include "media_control.h"
#include "sound_server.h"
#include "sound_system.h"
#include "sound_test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

namespace piyota::sequence {
namespace {

constexpr double kMaxDelayMs = 30;
// Cues late only as long as the machine kept the recording waiting: a few
// happen on a busy machine; more show a fault of the program's own.
constexpr std::size_t kMaxLateUnderLoad = 5;
constexpr double kMaxMusicStopMs = 100;
constexpr double kMaxCommandMs = 200; // a command hands back control at once
constexpr double kMusicHeardRms = 0.005;
constexpr float kSilenceFloor = 0.002f;
constexpr double kMusicStartsWithinMs = 500;
constexpr double kSettleBeforeMs = 2200; // an idle null sink settles this long after its first data

struct MarkerWave {
    QString file;
    double toneHz;
    double seconds; // as long as the course's wave of that name
};

const std::vector<MarkerWave> &markerWaves()
{
    static const std::vector<MarkerWave> waves{
        {SoundFile::forward, 3000, 0.8},
        {SoundFile::quit, 4200, 0.9},
        {SoundFile::correct, 5400, 1.1},
        {SoundFile::wrong, 6600, 1.0},
    };
    return waves;
}

BurstShape burstShape()
{
    BurstShape shape;
    for (const MarkerWave &wave : markerWaves())
        shape.toneHz.push_back(wave.toneHz);
    return shape;
}

// A 16-bit mono wave at 22050 Hz, as the course's waves are: the burst of its
// tone with 2 ms fades, then silence.
QByteArray markerWaveFile(const MarkerWave &wave, const BurstShape &shape)
{
    using namespace piyota::testing;
    constexpr int rate = 22050;
    const int count = int(rate * wave.seconds);
    const int burst = int(rate * shape.lengthMs / 1000);
    const int fade = rate * 2 / 1000;
    QByteArray samples;
    for (int i = 0; i < count; ++i) {
        double gain = 0;
        if (i < burst) {
            const int edge = std::min(i, burst - 1 - i);
            gain = edge >= fade ? 1.0 : 0.5 - 0.5 * std::cos(M_PI * edge / fade);
        }
        const double value = 32767 * shape.amplitude * gain * std::sin(2 * M_PI * wave.toneHz * i / rate);
        samples += u16le(quint16(qint16(std::lround(value))));
    }
    return pcmWaveFile(rate, 1, samples);
}

int toneOf(const QString &file)
{
    const auto &waves = markerWaves();
    const auto found = std::find_if(waves.begin(), waves.end(),
                                    [&file](const MarkerWave &wave) { return wave.file == file; });
    return found == waves.end() ? -1 : int(found - waves.begin());
}

struct MusicSpan {
    QString label;
    double startMs = 0;
    std::optional<double> stopMs;
};

// Runs the steps on the event loop, one timer after another, as the screens'
// handlers would, and notes when each command was given.
class SequenceRunner {
public:
    SequenceRunner(MediaControlFactory &media, std::vector<Step> steps)
        : media_(media)
        , steps_(std::move(steps))
    {
    }

    void start() { scheduleNext(); }

    std::vector<WaveCue> waveCues;
    std::vector<MusicSpan> music;
    std::vector<QString> problems;
    double slowestCommandMs = 0;
    int musicCues = 0;
    int quietPoints = 0;

private:
    void scheduleNext()
    {
        if (next_ == steps_.size()) {
            QTimer::singleShot(kSettleBeforeMs, Qt::PreciseTimer, qApp, &QCoreApplication::quit);
            return;
        }
        QTimer::singleShot(steps_[next_].afterMs, Qt::PreciseTimer, qApp, [this] {
            take(steps_[next_++]);
            scheduleNext();
        });
    }

    void take(const Step &step)
    {
        const double at = nowMs();
        std::visit([this, &step, at](const auto &action) { carryOut(action, step.label, at); }, step.action);
        if (!std::holds_alternative<ExpectNoStream>(step.action)) // not a command of the program
            slowestCommandMs = std::max(slowestCommandMs, nowMs() - at);
    }

    void carryOut(const OpenScreen &, const QString &, double at)
    {
        auto opened = media_.createControl(); // the next screen first, then the old one goes
        screen_ = std::move(opened);
        endMusic(at);
    }

    void carryOut(const CloseScreen &, const QString &, double at)
    {
        screen_.reset();
        endMusic(at);
    }

    void carryOut(const SoundCue &played, const QString &label, double at)
    {
        screen_->play(played);
        endMusic(at);
        std::visit([this, &label, at](const auto &asked) { expect(asked, label, at); }, played);
    }

    void carryOut(const SongToItsEnd &song, const QString &, double at)
    {
        screen_->play(cue::Song{song.file});
        endMusic(at);
        ++musicCues;
    }

    void carryOut(const ExpectNoStream &, const QString &label, double)
    {
        ++quietPoints;
        const int streams = testing::soundServerStreams();
        if (streams != 0)
            problems.push_back(QStringLiteral("%1 stream(s) left on the server at %2").arg(streams).arg(label));
    }

    // What the recording is to hold for each cue.
    void expect(const cue::Effect &effect, const QString &label, double at)
    {
        waveCues.push_back({toneOf(effect.file), at, label});
    }
    void expect(const cue::Answer &answer, const QString &label, double at)
    {
        waveCues.push_back({toneOf(answer.file), at, label});
    }
    void expect(const cue::Song &, const QString &label, double at)
    {
        music.push_back({label, at, std::nullopt});
        ++musicCues;
    }
    void expect(const cue::Stop &, const QString &, double) {}

    void endMusic(double at)
    {
        if (!music.empty() && !music.back().stopMs)
            music.back().stopMs = at;
    }

    MediaControlFactory &media_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::unique_ptr<MediaControl> screen_;
};

QString figure(double value) { return QString::number(value, 'f', 1); }

void print(const QString &line) { std::puts(line.toUtf8().constData()); }

int check(const QString &directory, const QString &recordingPath)
{
    if (!QDir::setCurrent(directory)) {
        print(QStringLiteral("sequence check failed: no directory %1").arg(directory));
        return 1;
    }
    const BurstShape shape = burstShape();
    for (const MarkerWave &wave : markerWaves()) {
        if (!testing::writeFile(wave.file, markerWaveFile(wave, shape))) {
            print(QStringLiteral("sequence check failed: cannot write %1").arg(wave.file));
            return 1;
        }
    }
    if (!testing::writeFile(shortSongFile, testing::tinyMidiFile())) {
        print(QStringLiteral("sequence check failed: cannot write %1").arg(shortSongFile));
        return 1;
    }

    SinkRecorder recorder;
    if (!recorder.error().isEmpty()) {
        print(QStringLiteral("sequence check failed: cannot record the sink: %1").arg(recorder.error()));
        return 1;
    }
    SoundSystem sound;
    sound.loadModule(SoundSystem::modulePathBesideProgram());
    SequenceRunner runner(sound, courseSequence());

    // Starts once the recording has data and has settled.
    QTimer waitForData;
    double startedMs = 0;
    QObject::connect(&waitForData, &QTimer::timeout, [&] {
        if (recorder.recordedMs() <= 0)
            return;
        waitForData.stop();
        QTimer::singleShot(kSettleBeforeMs, [&] {
            startedMs = nowMs();
            runner.start();
        });
    });
    waitForData.start(50);
    QCoreApplication::exec();

    const Recording recording = recorder.finish(startedMs);
    if (!recordingPath.isEmpty()) {
        QFile raw(recordingPath);
        if (raw.open(QIODevice::WriteOnly))
            raw.write(reinterpret_cast<const char *>(recording.samples.data()),
                      qint64(recording.samples.size() * sizeof(float)));
    }

    const std::vector<Burst> bursts = findBursts(recording, shape);
    CueLimits limits;
    limits.maxDelayMs = kMaxDelayMs;
    CueVerdicts verdicts = judgeCues(runner.waveCues, bursts, limits);
    excuseLoad(verdicts, recording, limits);
    std::vector<QString> problems = runner.problems;
    const auto report = [&problems](const std::vector<QString> &cues, const QString &what) {
        for (const QString &cue : cues)
            problems.push_back(QStringLiteral("%1: %2").arg(what, cue));
    };
    report(verdicts.silent, QStringLiteral("silent"));
    for (const LateCue &cue : verdicts.late)
        problems.push_back(QStringLiteral("late: ") + cue.describe());
    if (verdicts.lateUnderLoad.size() > kMaxLateUnderLoad)
        problems.push_back(QStringLiteral("%1 cues late while the machine was busy: more than its load explains")
                               .arg(verdicts.lateUnderLoad.size()));
    report(verdicts.doubled, QStringLiteral("heard twice"));
    report(verdicts.cut, QStringLiteral("heard without its start"));
    report(verdicts.unasked, QStringLiteral("heard unasked"));

    std::vector<double> delays = verdicts.delaysMs;
    std::sort(delays.begin(), delays.end());
    const double median = delays.empty() ? 0 : delays[delays.size() / 2];
    const double slowest = delays.empty() ? 0 : delays.back();

    double slowestStop = 0;
    for (std::size_t i = 0; i < runner.music.size(); ++i) {
        const MusicSpan &span = runner.music[i];
        if (!span.stopMs)
            continue;
        if (*span.stopMs - span.startMs > kMusicStartsWithinMs + 500) {
            const double rms = rmsOutsideBursts(recording, bursts, span.startMs + kMusicStartsWithinMs, *span.stopMs);
            if (rms < kMusicHeardRms)
                problems.push_back(QStringLiteral("music not heard: %1 (RMS %2)").arg(span.label).arg(rms));
        }
        const double until = i + 1 < runner.music.size() ? runner.music[i + 1].startMs : *span.stopMs + 1000;
        const double lasts = soundLastsMs(recording, bursts, *span.stopMs, std::min(until, *span.stopMs + 1000),
                                          kSilenceFloor);
        slowestStop = std::max(slowestStop, lasts);
        if (lasts > kMaxMusicStopMs)
            problems.push_back(QStringLiteral("music still heard %1 ms after it was stopped: %2").arg(figure(lasts), span.label));
    }
    if (runner.slowestCommandMs > kMaxCommandMs)
        problems.push_back(QStringLiteral("a cue held its caller for %1 ms").arg(figure(runner.slowestCommandMs)));

    print(QStringLiteral("sequence: %1 wave cues and %2 music cues; %3 heard in time, %4 silent, %5 late, "
                         "%6 late while the machine was busy, %7 heard twice, %8 without their start, %9 unasked")
              .arg(runner.waveCues.size()).arg(runner.musicCues).arg(verdicts.delaysMs.size())
              .arg(verdicts.silent.size()).arg(verdicts.late.size()).arg(verdicts.lateUnderLoad.size())
              .arg(verdicts.doubled.size()).arg(verdicts.cut.size()).arg(verdicts.unasked.size()));
    for (const LateCue &cue : verdicts.lateUnderLoad)
        print(QStringLiteral("sequence: excused, late only as long as the machine held up the recording: ")
              + cue.describe());
    print(QStringLiteral("sequence: a wave is heard %1 ms after its command (median), %2 ms at most")
              .arg(figure(median), figure(slowest)));
    print(QStringLiteral("sequence: music silent %1 ms after the cue or the closing that ends it, at most; "
                         "slowest command %2 ms; "
                         "%3 points without a stream checked")
              .arg(figure(slowestStop), figure(runner.slowestCommandMs)).arg(runner.quietPoints));
    for (const QString &problem : problems)
        print(QStringLiteral("FAIL: ") + problem);
    if (!problems.empty()) {
        print(QStringLiteral("sequence check failed: %1 problem(s)").arg(problems.size()));
        return 1;
    }
    print(QStringLiteral("sequence check passed"));
    return 0;
}

} // namespace
} // namespace piyota::sequence

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: sound_sequence_check DIR [RECORDING.raw]\n", stderr);
        return 2;
    }
    return piyota::sequence::check(arguments.at(1), arguments.value(2));
}
