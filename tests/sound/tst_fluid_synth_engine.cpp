// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// FluidSynth making a song's sound in the pieces a sound server asks for,
// without a server: the song is heard, ends by itself once it and its last
// notes are over (which closes its stream), and not before; a stop ends it at
// once, and a song played later, or in its place, is heard. Uses Debian's
// General MIDI soundfont.
#include "fluid_midi_player.h"
#include "fluid_synth_engine.h"
#include "sound_test_files.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace piyota;
using namespace piyota::testing;

namespace {

constexpr int kRate = 44100;
constexpr qsizetype kPiece = kRate / 10; // as the sound server asks for it
constexpr int kTicksPerSecond = 192;     // standardMidiFile(): 96 ticks last half a second
constexpr float kHeard = 0.01f;          // -40 dBFS
constexpr float kQuiet = 0.001f;         // -60 dBFS: what is left when a song ends

// One note on the piano held for `seconds`, after `restSeconds` of silence
// (as events of a track, without its end).
QByteArray note(double restSeconds, double seconds, int key = 60)
{
    return midiDelta(quint32(restSeconds * kTicksPerSecond)) + char(0x90) + char(key) + char(100)
        + midiDelta(quint32(seconds * kTicksPerSecond)) + char(0x80) + char(key) + char(64);
}

QByteArray song(const QByteArray &notes)
{
    return standardMidiFile(QByteArray::fromHex("00c000") + notes + QByteArray::fromHex("00ff2f00"));
}

// What the engine made, a piece at a time, until it ended or `seconds` of
// sound were made.
struct Made {
    std::vector<float> peaks; // of each whole piece
    bool ended = false;
    double seconds() const { return double(peaks.size()) / 10; }
    float peakBetween(double from, double to) const
    {
        const auto first = std::min(peaks.size(), std::size_t(from * 10));
        const auto last = std::min(peaks.size(), std::size_t(to * 10));
        return first < last ? *std::max_element(peaks.begin() + qsizetype(first), peaks.begin() + qsizetype(last)) : 0;
    }
};

Made generateFor(FluidSynthEngine &engine, double seconds)
{
    Made made;
    std::vector<float> samples(std::size_t(2 * kPiece));
    while (made.seconds() < seconds) {
        std::fill(samples.begin(), samples.end(), 1.0f); // what is not made shows
        const qsizetype frames = engine.generate(samples.data(), kPiece);
        if (frames < kPiece) {
            made.ended = true;
            break;
        }
        float peak = 0;
        for (float sample : samples)
            peak = std::max(peak, std::abs(sample));
        made.peaks.push_back(peak);
    }
    return made;
}

} // namespace

class TestFluidSynthEngine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        engine_ = std::make_unique<FluidSynthEngine>(kRate);
        if (!engine_->loadSoundFont(FluidMidiPlayer::defaultSoundFonts()))
            QSKIP("no General MIDI soundfont installed (scripts/install-packages installs one)");
    }

    void aSongIsHeardThenEndsWhenItsSoundHasDiedAway()
    {
        QVERIFY(engine_->play(tinyMidiFile())); // one note of half a second
        const Made made = generateFor(*engine_, 10);
        QVERIFY2(made.peakBetween(0, 0.5) > kHeard, "the note is not heard");
        QVERIFY2(made.ended, "the song never ends");
        QVERIFY2(made.seconds() >= 0.5, qPrintable(QString::number(made.seconds())));
        QVERIFY2(made.peaks.back() < kQuiet, "the song ends while it is still heard");
        // Ended for good: nothing more until the next song.
        std::vector<float> samples(std::size_t(2 * kPiece));
        QCOMPARE(engine_->generate(samples.data(), kPiece), qsizetype(0));
    }

    void aSongDoesNotEndInItsRests()
    {
        // Two notes two seconds apart: silence between them, the song not over.
        QVERIFY(engine_->play(song(note(0, 0.3) + note(2.2, 0.3, 67))));
        const Made made = generateFor(*engine_, 10);
        QVERIFY2(made.seconds() > 2.8, qPrintable(QString::number(made.seconds())));
        QVERIFY2(made.peakBetween(1.8, 2.4) < kQuiet, "no rest between the notes");
        QVERIFY2(made.peakBetween(2.4, 2.9) > kHeard, "the second note is not heard");
        QVERIFY(made.ended);
    }

    void aNoteNeverReleasedIsCutSoonAfterTheSongsEnd()
    {
        // Note on, then the end of the track without a note off; an organ
        // holds its note for as long as it is down.
        const QByteArray held = QByteArray::fromHex("00c013" "00903c64" "60ff2f00");
        QVERIFY(engine_->play(standardMidiFile(held)));
        const Made made = generateFor(*engine_, 30);
        QVERIFY2(made.peakBetween(1, 2) > kHeard, "the held note is not heard after the song's end");
        QVERIFY2(made.ended, "a held note keeps the song for ever");
        QVERIFY2(made.seconds() < 10, qPrintable(QString::number(made.seconds())));
    }

    void aStopEndsTheSongAtOnce()
    {
        QVERIFY(engine_->play(song(note(0, 20))));
        QVERIFY(generateFor(*engine_, 1).peakBetween(0, 1) > kHeard);
        engine_->stop();
        QVERIFY(generateFor(*engine_, 1).ended);
    }

    void aSongPlaysAgainAfterAnotherHasEnded()
    {
        QVERIFY(engine_->play(tinyMidiFile()));
        QVERIFY(generateFor(*engine_, 10).ended);
        QVERIFY(engine_->play(tinyMidiFile()));
        const Made again = generateFor(*engine_, 10);
        QVERIFY(again.peakBetween(0, 0.5) > kHeard);
        QVERIFY(again.ended);

        engine_->stop();
        QVERIFY(engine_->play(tinyMidiFile()));
        QVERIFY(generateFor(*engine_, 0.5).peakBetween(0, 0.5) > kHeard);
    }

    void aNewSongTakesThePlaceOfThePlayingOne()
    {
        QVERIFY(engine_->play(song(note(0, 20))));
        QVERIFY(!generateFor(*engine_, 1).ended);
        QVERIFY(engine_->play(tinyMidiFile()));
        const Made made = generateFor(*engine_, 30);
        QVERIFY2(made.ended && made.seconds() < 10, qPrintable(QString::number(made.seconds())));
    }

    void whatIsNotASongEndsWithoutASound()
    {
        QVERIFY(!engine_->play(QByteArray()));
        QVERIFY(generateFor(*engine_, 1).ended);
        engine_->play(QByteArray("MThd, or rather not"));
        const Made made = generateFor(*engine_, 10);
        QVERIFY(made.ended);
        QCOMPARE(made.peakBetween(0, 10), 0.0f);
    }

    void withoutASoundFontNothingPlays()
    {
        FluidSynthEngine bare(kRate);
        QVERIFY(!bare.loadSoundFont({QStringLiteral("/nonexistent/none.sf2")}));
        QVERIFY(!bare.play(tinyMidiFile()));
        QVERIFY(generateFor(bare, 1).ended);
    }

    void musicIsMadeAtTheSinksRateWhereThatIsSimple()
    {
        QCOMPARE(FluidSynthEngine::sampleRateFor(48000), 48000);
        QCOMPARE(FluidSynthEngine::sampleRateFor(96000), 48000);
        QCOMPARE(FluidSynthEngine::sampleRateFor(44100), 44100);
        QCOMPARE(FluidSynthEngine::sampleRateFor(88200), 44100);
        QCOMPARE(FluidSynthEngine::sampleRateFor(32000), 44100);
        QCOMPARE(FluidSynthEngine::sampleRateFor(0), 44100); // not known
        QCOMPARE(FluidSynthEngine(48000).sampleRate(), 48000);
    }

private:
    std::unique_ptr<FluidSynthEngine> engine_;
};

QTEST_GUILESS_MAIN(TestFluidSynthEngine)
#include "tst_fluid_synth_engine.moc"
