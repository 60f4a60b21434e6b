// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A screen's media control over fake players: what each cue starts and ends,
// and what the end of the control ends.
#include "fake_sound_backends.h"
#include "player_media_control.h"
#include "sound_system.h"
#include "sound_test_files.h"

#include <QTest>

using namespace piyota;
using namespace piyota::testing;

namespace {

const QByteArray &boardMidi()
{
    static const QByteArray midi = tinyMidiFile("bahh");
    return midi;
}

QString midiEntry(const QByteArray &midi)
{
    return QStringLiteral("midi %1 bytes").arg(midi.size());
}

const QString kTitleSong = midiEntry(tinyMidiFile());

} // namespace

Q_DECLARE_METATYPE(piyota::SoundCue)

class TestPlayerMediaControl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        files_.emplace(QList<std::pair<QString, QByteArray>>{
            {QStringLiteral("pinpon.wav"), tinyWaveFile()},
            {QStringLiteral("Chimes.wav"), tinyWaveFile(8000, 0.1)},
            {QStringLiteral("passport.mid"), tinyMidiFile()},
            {QStringLiteral("bahha.rmi"), rmidFile(boardMidi())},
            {QStringLiteral("broken.rmi"), riffFile("RMID", riffChunk("data", QByteArray("MTrk")))},
        });
        QVERIFY(files_->isValid());
    }

    void cleanupTestCase() { files_.reset(); }

    void init()
    {
        log_ = std::make_shared<SoundLog>();
        wave_ = std::make_shared<FakeWavePlayer>(log_);
        midi_ = std::make_shared<FakeMidiPlayer>(log_);
        control_.emplace(wave_, midi_);
    }

    void effectsAndAnswersPlayTheirWaveEachTime()
    {
        control_->play(cue::Effect{QStringLiteral("pinpon.wav")});
        control_->play(cue::Answer{QStringLiteral("Chimes.wav")});
        control_->play(cue::Answer{QStringLiteral("Chimes.wav")});
        QCOMPARE(log_->entries, (QStringList{QStringLiteral("short pinpon.wav"), QStringLiteral("short Chimes.wav"),
                                             QStringLiteral("short Chimes.wav")}));
    }

    void songsPlayMidiRmidAndWaves()
    {
        control_->play(cue::Song{QStringLiteral("passport.mid")});
        QCOMPARE(log_->lastMidi, tinyMidiFile());
        control_->play(cue::Song{QStringLiteral("bahha.rmi")});
        QCOMPARE(log_->lastMidi, boardMidi()); // unwrapped
        control_->play(cue::Song{QStringLiteral("pinpon.wav")});
        QCOMPARE(log_->entries.last(), QStringLiteral("wave pinpon.wav"));
        QCOMPARE(log_->musicPlaying, 1);
    }

    void everyCueEndsTheSongFirst_data()
    {
        QTest::addColumn<SoundCue>("next");
        QTest::addColumn<QStringList>("heard");
        QTest::addColumn<int>("songsPlaying");
        QTest::newRow("effect") << SoundCue(cue::Effect{QStringLiteral("pinpon.wav")})
                                << QStringList{QStringLiteral("short pinpon.wav")} << 0;
        QTest::newRow("answer") << SoundCue(cue::Answer{QStringLiteral("Chimes.wav")})
                                << QStringList{QStringLiteral("short Chimes.wav")} << 0;
        QTest::newRow("song") << SoundCue(cue::Song{QStringLiteral("bahha.rmi")})
                              << QStringList{midiEntry(boardMidi())} << 1;
        QTest::newRow("stop") << SoundCue(cue::Stop{}) << QStringList() << 0;
        QTest::newRow("missing effect") << SoundCue(cue::Effect{QStringLiteral("missing.wav")}) << QStringList() << 0;
        QTest::newRow("nameless answer") << SoundCue(cue::Answer{QString()}) << QStringList() << 0;
        QTest::newRow("effect of a song") << SoundCue(cue::Effect{QStringLiteral("passport.mid")}) << QStringList()
                                          << 0;
        QTest::newRow("missing song") << SoundCue(cue::Song{QStringLiteral("missing.mid")}) << QStringList() << 0;
        QTest::newRow("broken song") << SoundCue(cue::Song{QStringLiteral("broken.rmi")}) << QStringList() << 0;
    }

    void everyCueEndsTheSongFirst()
    {
        QFETCH(SoundCue, next);
        QFETCH(QStringList, heard);
        QFETCH(int, songsPlaying);
        control_->play(cue::Song{QStringLiteral("passport.mid")});
        control_->play(next);
        QCOMPARE(log_->entries, QStringList({kTitleSong, QStringLiteral("end ") + kTitleSong}) + heard);
        QCOMPARE(log_->musicPlaying, songsPlaying);
    }

    void stopWithNothingPlayingDoesNothing()
    {
        control_->play(cue::Stop{});
        control_->play(cue::Song{QStringLiteral("passport.mid")});
        control_->play(cue::Stop{});
        control_->play(cue::Stop{});
        QCOMPARE(log_->entries, (QStringList{kTitleSong, QStringLiteral("end ") + kTitleSong}));
    }

    void theControlsEndEndsItsSongButNotItsShortSounds()
    {
        control_->play(cue::Effect{QStringLiteral("pinpon.wav")});
        control_->play(cue::Song{QStringLiteral("passport.mid")});
        control_.reset();
        QCOMPARE(log_->entries, (QStringList{QStringLiteral("short pinpon.wav"), kTitleSong,
                                             QStringLiteral("end ") + kTitleSong}));
    }

    void aControlOutlivingItsPlayersIsSilent()
    {
        control_->play(cue::Song{QStringLiteral("passport.mid")});
        wave_.reset();
        midi_.reset();
        control_->play(cue::Effect{QStringLiteral("pinpon.wav")});
        control_->play(cue::Song{QStringLiteral("passport.mid")});
        control_.reset();
        QCOMPARE(log_->entries, (QStringList{kTitleSong, QStringLiteral("end ") + kTitleSong}));
    }

    void eachScreensControlHasItsOwnSong()
    {
        SoundSystem system(wave_, midi_);
        auto title = system.createControl();
        auto board = system.createControl();
        title->play(cue::Song{QStringLiteral("passport.mid")});
        board->play(cue::Song{QStringLiteral("bahha.rmi")});
        QCOMPARE(log_->musicPlaying, 2);
        title.reset();
        QCOMPARE(log_->entries.last(), QStringLiteral("end ") + kTitleSong);
        QCOMPARE(log_->musicPlaying, 1);
    }

private:
    std::optional<SoundFilesDirectory> files_;
    std::shared_ptr<SoundLog> log_;
    std::shared_ptr<FakeWavePlayer> wave_;
    std::shared_ptr<FakeMidiPlayer> midi_;
    std::optional<PlayerMediaControl> control_;
};

QTEST_GUILESS_MAIN(TestPlayerMediaControl)
#include "tst_player_media_control.moc"
