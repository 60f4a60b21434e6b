// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading of the sequence check's recordings, on recordings made here:
// marker bursts put at known times over music-like sound, and cues that are
// heard in time, late, twice, without their start, or not at all, and late
// cues judged again where the machine's load held up the recording.
#include "sequence/cue_recording.h"

#include <QTest>

#include <cmath>

using namespace piyota::sequence;

namespace {

constexpr int kRate = 44100;
const BurstShape kShape{{3000, 4200, 5400, 6600}, 0.5, 40};

Recording silence(double seconds, double firstSampleMs = 1000)
{
    Recording recording;
    recording.sampleRate = kRate;
    recording.firstSampleMs = firstSampleMs;
    recording.samples.assign(std::size_t(seconds * kRate), 0.0f);
    return recording;
}

std::size_t indexAt(const Recording &recording, double ms)
{
    return std::size_t(std::lround((ms - recording.firstSampleMs) * kRate / 1000.0));
}

void addTone(Recording &recording, double hz, double amplitude, double fromMs, double lengthMs)
{
    const std::size_t first = indexAt(recording, fromMs);
    const auto count = std::size_t(lengthMs * kRate / 1000.0);
    for (std::size_t i = 0; i < count && first + i < recording.samples.size(); ++i)
        recording.samples[first + i] += float(amplitude * std::sin(2 * M_PI * hz * double(i) / kRate));
}

void addBurst(Recording &recording, int tone, double atMs, double lengthMs = 40)
{
    addTone(recording, kShape.toneHz[std::size_t(tone)], kShape.amplitude, atMs, lengthMs);
}

// A chord of a few notes and their overtones, loud, as the music of a screen.
void addMusic(Recording &recording, double fromMs, double lengthMs)
{
    for (double hz : {220.0, 277.2, 329.6, 440.0, 554.4, 659.3, 880.0, 1318.5, 2637.0})
        addTone(recording, hz, 0.06, fromMs, lengthMs);
}

// Five seconds whose 5 ms fragments each reach the recorder 2 ms after they
// were mixed, except that those mixed from 3000 to 3080 ms all arrive at
// 3100 ms, as when the machine keeps the server or the recorder waiting.
Recording heldUpRecording()
{
    Recording recording = silence(5);
    for (std::size_t samples = 220; samples <= recording.samples.size(); samples += 220) {
        const double mixedMs = recording.timeOf(samples);
        const bool held = mixedMs >= 3000 && mixedMs < 3080;
        recording.arrivals.push_back({samples, held ? 3100 : mixedMs + 2});
    }
    return recording;
}

} // namespace

class TestCueRecording : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void burstsAreFoundAtTheirOnsetOverMusic()
    {
        Recording recording = silence(3);
        addMusic(recording, 1000, 3000);
        addBurst(recording, 0, 1500);
        addBurst(recording, 3, 1500.5); // two tones at once
        addBurst(recording, 2, 2123.4, 25);
        addBurst(recording, 1, 3900);   // at the very end, cut by it

        const std::vector<Burst> bursts = findBursts(recording, kShape);
        QCOMPARE(bursts.size(), std::size_t(4));
        QCOMPARE(bursts[0].tone + bursts[1].tone, 3); // tones 0 and 3, in either order
        for (int i : {0, 1}) {
            QVERIFY2(std::abs(bursts[std::size_t(i)].onsetMs - 1500.25) < 1.5, qPrintable(QString::number(bursts[std::size_t(i)].onsetMs)));
            QVERIFY2(std::abs(bursts[std::size_t(i)].lengthMs - 40) < 2.5, qPrintable(QString::number(bursts[std::size_t(i)].lengthMs)));
        }
        QCOMPARE(bursts[2].tone, 2);
        QVERIFY(std::abs(bursts[2].onsetMs - 2123.4) < 1.5);
        QVERIFY(std::abs(bursts[2].lengthMs - 25) < 2.5);
        QCOMPARE(bursts[3].tone, 1);
        QVERIFY(std::abs(bursts[3].onsetMs - 3900) < 1.5);
    }

    void musicAloneHoldsNoBurst()
    {
        Recording recording = silence(2);
        addMusic(recording, 1000, 2000);
        addTone(recording, 4200, 0.1, 1500, 200); // a quiet overtone near a marker tone
        QVERIFY(findBursts(recording, kShape).empty());
    }

    void cuesAreJudgedByTheirBursts()
    {
        const std::vector<WaveCue> cues{
            {0, 1100, QStringLiteral("in time")},
            {1, 1100, QStringLiteral("other tone at once")},
            {0, 1300, QStringLiteral("late")},
            {2, 1500, QStringLiteral("never heard")},
            {3, 1700, QStringLiteral("twice")},
            {0, 1900, QStringLiteral("cut")},
            {0, 2100, QStringLiteral("heard a little early")},
            {1, 2300, QStringLiteral("just in time")},
        };
        const std::vector<Burst> bursts{
            {1, 950, 40},   // before any cue of its tone
            {0, 1112, 40},
            {1, 1125, 39},
            {0, 1345, 40},  // 45 ms late
            {3, 1706, 40},
            {3, 1760, 40},  // the same cue again
            {0, 1905, 20},
            {0, 2098, 40},
            {1, 2330, 40},
        };
        const CueVerdicts verdicts = judgeCues(cues, bursts, CueLimits{});
        QCOMPARE(verdicts.delaysMs, (std::vector<double>{12, 25, 6, 5, 0, 30}));
        QCOMPARE(verdicts.silent, (std::vector<QString>{QStringLiteral("never heard")}));
        QCOMPARE(verdicts.late.size(), std::size_t(1));
        QCOMPARE(verdicts.late[0].label, QStringLiteral("late"));
        QCOMPARE(verdicts.late[0].commandMs, 1300.0);
        QCOMPARE(verdicts.late[0].delayMs, 45.0);
        QCOMPARE(verdicts.doubled.size(), std::size_t(1));
        QVERIFY(verdicts.doubled[0].startsWith(QStringLiteral("twice ")));
        QCOMPARE(verdicts.cut.size(), std::size_t(1));
        QVERIFY(verdicts.cut[0].startsWith(QStringLiteral("cut ")));
        QCOMPARE(verdicts.unasked.size(), std::size_t(1));
        QVERIFY(!verdicts.allHeardInTime());
    }

    void aLateSoundOfAnEarlierCueCountsAgainstTheNextOne()
    {
        // A cue that never played comes out with the next cue of its file.
        const std::vector<WaveCue> cues{{0, 1000, QStringLiteral("HELP")}, {0, 1400, QStringLiteral("次へ")}};
        const std::vector<Burst> bursts{{0, 1410, 40}, {0, 1415, 40}};
        const CueVerdicts verdicts = judgeCues(cues, bursts, CueLimits{});
        QCOMPARE(verdicts.silent, (std::vector<QString>{QStringLiteral("HELP")}));
        QCOMPARE(verdicts.doubled.size(), std::size_t(1));
    }

    void everyCueInTimeIsAllHeard()
    {
        const std::vector<WaveCue> cues{{0, 1000, QStringLiteral("a")}, {0, 1100, QStringLiteral("b")}};
        const std::vector<Burst> bursts{{0, 1010, 40}, {0, 1119, 40}};
        const CueVerdicts verdicts = judgeCues(cues, bursts, CueLimits{});
        QVERIFY(verdicts.allHeardInTime());
        QCOMPARE(verdicts.delaysMs, (std::vector<double>{10, 19}));
    }

    void aHoldUpOfTheRecordingShowsTheMachinesLoad()
    {
        const Recording recording = heldUpRecording();
        const double held = heldUpMs(recording, 2990, 3085);
        QVERIFY2(std::abs(held - 98) < 1, qPrintable(QString::number(held)));
        QVERIFY2(heldUpMs(recording, 2900, 2990) < 1, "fragments on time count as held up");
        QVERIFY2(heldUpMs(recording, 3300, 3400) < 1, "fragments on time count as held up");
        QCOMPARE(heldUpMs(recording, 9000, 9100), 0.0); // after the recording
    }

    void aLateCueIsExcusedOnlyByAHoldUpAsLong()
    {
        const Recording recording = heldUpRecording();
        CueVerdicts verdicts;
        verdicts.late = {
            {QStringLiteral("late with the recording"), 2990, 95},
            {QStringLiteral("later than the hold-up explains"), 2950, 200},
            {QStringLiteral("late on a quiet machine"), 4000, 45},
        };
        excuseLoad(verdicts, recording, CueLimits{});
        QCOMPARE(verdicts.lateUnderLoad.size(), std::size_t(1));
        QCOMPARE(verdicts.lateUnderLoad[0].label, QStringLiteral("late with the recording"));
        QVERIFY(std::abs(verdicts.lateUnderLoad[0].heldUpMs - 98) < 1);
        QVERIFY(verdicts.lateUnderLoad[0].describe().contains(QStringLiteral("held up")));
        QCOMPARE(verdicts.late.size(), std::size_t(2));
        QCOMPARE(verdicts.late[0].label, QStringLiteral("later than the hold-up explains"));
        QCOMPARE(verdicts.late[1].label, QStringLiteral("late on a quiet machine"));
        QVERIFY(!verdicts.allHeardInTime());
    }

    void theRecordingIsDatedByItsEarliestFragments()
    {
        // The server's clock runs 400 ppm fast; each 5 ms fragment arrives
        // when mixed, up to 40 ms early or 30 ms late, a few far later.
        constexpr double firstSample = 5000;
        constexpr double msPerSample = 1000.0 / kRate / 1.0004;
        std::vector<Arrival> arrivals;
        for (std::size_t i = 1; i <= 20000; ++i) {
            const std::size_t samples = i * 220;
            const double jitter = double((i * 7919) % 71) - 40 + (i % 997 == 0 ? 300 : 0);
            const double mixedAt = firstSample + msPerSample * double(samples);
            arrivals.push_back({samples, mixedAt + std::max(jitter, -40.0 * double(i % 3 == 0))});
        }
        Recording recording = silence(0);
        recording.firstSampleMs = 0;
        dateRecording(recording, arrivals, 0);
        // Dated by the earliest arrivals: 40 ms ahead of the mixing.
        for (std::size_t sample : {std::size_t(0), std::size_t(2'000'000), std::size_t(4'400'000)}) {
            const double expected = firstSample - 40 + msPerSample * double(sample);
            QVERIFY2(std::abs(recording.timeOf(sample) - expected) < 1,
                     qPrintable(QStringLiteral("%1: %2 instead of %3").arg(sample).arg(recording.timeOf(sample)).arg(expected)));
        }
    }

    void arrivalsBeforeTheSequenceAreLeftOut()
    {
        // The idle sink's first data comes late, then runs on time.
        std::vector<Arrival> arrivals{{220, 2000}, {440, 2000}, {660, 2000}};
        for (std::size_t i = 4; i < 1000; ++i)
            arrivals.push_back({i * 220, 2100 + 220'000.0 * double(i) / kRate});
        Recording recording = silence(0);
        dateRecording(recording, arrivals, 2100 + 220'000.0 * 4 / kRate);
        QVERIFY(std::abs(recording.firstSampleMs - 2100) < 0.5);
        QVERIFY(std::abs(recording.msPerSample - 1000.0 / kRate) < 1e-6);
    }

    void musicEndIsMeasuredOutsideTheBursts()
    {
        Recording recording = silence(3);
        addMusic(recording, 1000, 1570); // stops 70 ms after the command at 2500 ms
        addBurst(recording, 0, 2510);    // the button's own sound
        addBurst(recording, 2, 2900);    // a later cue, after the music
        const std::vector<Burst> bursts = findBursts(recording, kShape);
        QCOMPARE(bursts.size(), std::size_t(2));

        const double lasts = soundLastsMs(recording, bursts, 2500, 3500, 0.002f);
        QVERIFY2(std::abs(lasts - 70) < 1, qPrintable(QString::number(lasts)));
        QCOMPARE(soundLastsMs(recording, bursts, 2600, 3500, 0.002f), 0.0);

        QVERIFY(rmsOutsideBursts(recording, bursts, 1500, 2500) > 0.05);
        QVERIFY(rmsOutsideBursts(recording, bursts, 2600, 3500) < 1e-6);
    }
};

QTEST_MAIN(TestCueRecording)
#include "tst_cue_recording.moc"
