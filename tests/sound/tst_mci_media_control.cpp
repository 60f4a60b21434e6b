#include "fake_sound_backends.h"
#include "mci_media_control.h"
#include "sound_cues.h"
#include "sound_system.h"
#include "sound_test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace piyota;
using namespace piyota::testing;

namespace {

const QByteArray &rmidMidi()
{
    static const QByteArray midi = tinyMidiFile("bahh");
    return midi;
}

QString midiEntry(const QByteArray &midi)
{
    return QStringLiteral("midi %1 bytes").arg(midi.size());
}

} // namespace

class TestMciMediaControl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        previous_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_.path()));
        QVERIFY(writeFile(QStringLiteral("pinpon.wav"), tinyWaveFile()));
        QVERIFY(writeFile(QStringLiteral("Chimes.wav"), tinyWaveFile(8000, 0.1)));
        QVERIFY(writeFile(QStringLiteral("passport.mid"), tinyMidiFile()));
        QVERIFY(writeFile(QStringLiteral("Canyon.mid"), tinyMidiFile("cany")));
        QVERIFY(writeFile(QStringLiteral("bahha.rmi"),
                          riffFile("RMID", riffChunk("LIST", QByteArray("INFOabc"))
                                               + riffChunk("data", rmidMidi()))));
        QVERIFY(writeFile(QStringLiteral("broken.rmi"), riffFile("RMID", riffChunk("data", QByteArray("MTrk")))));
    }

    void cleanupTestCase() { QDir::setCurrent(previous_); }

    void init()
    {
        log_ = std::make_shared<SoundLog>();
        wave_ = std::make_shared<FakeWavePlayer>(log_);
        midi_ = std::make_shared<FakeMidiPlayer>(log_);
    }

    void soundPlaysTheWaveOnce()
    {
        MciMediaControl control(wave_, midi_);
        playEffectCue(control, SoundFile::forward);
        QCOMPARE(log_->entries, QStringList{QStringLiteral("short pinpon.wav")});
    }

    void soundPlaysTheNamedWaveWithoutOpen()
    {
        MciMediaControl control(wave_, midi_);
        control.setFileName(QStringLiteral("Chimes.wav"));
        control.setCommand(QStringLiteral("Sound"));
        QCOMPARE(log_->entries, QStringList{QStringLiteral("short Chimes.wav")});
    }

    void soundPlaysAgainEachTime()
    {
        MciMediaControl control(wave_, midi_);
        playAnswerCue(control, SoundFile::correct);
        playAnswerCue(control, SoundFile::correct);
        QCOMPARE(log_->entries, (QStringList{QStringLiteral("short Chimes.wav"),
                                             QStringLiteral("short Chimes.wav")}));
    }

    void soundOfOpenMidiDoesNothing()
    {
        MciMediaControl control(wave_, midi_);
        control.setFileName(QStringLiteral("passport.mid"));
        control.setCommand(QStringLiteral("Open"));
        control.setCommand(QStringLiteral("Sound"));
        QVERIFY(log_->entries.isEmpty());
    }

    void commandWordsIgnoreLetterCase()
    {
        MciMediaControl control(wave_, midi_);
        control.setFileName(QStringLiteral("passport.mid"));
        control.setCommand(QStringLiteral("OPEN"));
        control.setCommand(QStringLiteral("pLaY"));
        QCOMPARE(log_->musicPlaying, 1);
        control.setCommand(QStringLiteral("sToP"));
        QCOMPARE(log_->musicPlaying, 0);
        control.setCommand(QStringLiteral("play"));
        QCOMPARE(log_->musicPlaying, 1);
        control.setCommand(QStringLiteral("CLOSE"));
        QCOMPARE(log_->musicPlaying, 0);
        control.setFileName(QStringLiteral("pinpon.wav"));
        control.setCommand(QStringLiteral("open"));
        control.setCommand(QStringLiteral("SOUND"));
        QCOMPARE(log_->entries.last(), QStringLiteral("short pinpon.wav"));
    }

    void stopAndCloseOnNothingAreHarmless()
    {
        MciMediaControl control(wave_, midi_);
        for (const char *word : {"Stop", "Close", "close", "stop", "Stop", "Close"})
            control.setCommand(QString::fromLatin1(word));
        QVERIFY(log_->entries.isEmpty());
        // and the control works afterwards
        playMusicCue(control, SoundFile::titleMusic);
        QCOMPARE(log_->entries, QStringList{midiEntry(tinyMidiFile())});
    }

    void stopAndCloseOnStoppedMusicAreHarmless()
    {
        MciMediaControl control(wave_, midi_);
        playMusicCue(control, SoundFile::titleMusic);
        control.setCommand(QStringLiteral("Stop"));
        control.setCommand(QStringLiteral("Stop"));
        control.setCommand(QStringLiteral("Close"));
        control.setCommand(QStringLiteral("close"));
        QCOMPARE(log_->entries, (QStringList{midiEntry(tinyMidiFile()),
                                             QStringLiteral("end ") + midiEntry(tinyMidiFile())}));
    }

    void playStartsMidiMusic()
    {
        MciMediaControl control(wave_, midi_);
        playMusicCue(control, SoundFile::titleMusic);
        QCOMPARE(log_->musicPlaying, 1);
        QCOMPARE(log_->lastMidi, tinyMidiFile());
    }

    void playUnwrapsRmid()
    {
        MciMediaControl control(wave_, midi_);
        playMusicCue(control, SoundFile::historyMusic);
        QCOMPARE(log_->musicPlaying, 1);
        QCOMPARE(log_->lastMidi, rmidMidi());
    }

    void playOfAWaveIsMusicOfTheControl()
    {
        {
            MciMediaControl control(wave_, midi_);
            playMusicCue(control, QStringLiteral("pinpon.wav"));
            QCOMPARE(log_->entries, QStringList{QStringLiteral("wave pinpon.wav")});
        }
        QCOMPARE(log_->entries.last(), QStringLiteral("end wave pinpon.wav"));
    }

    void playAgainStartsFromTheBeginning()
    {
        MciMediaControl control(wave_, midi_);
        playMusicCue(control, SoundFile::titleMusic);
        control.setCommand(QStringLiteral("Play"));
        const QString midi = midiEntry(tinyMidiFile());
        QCOMPARE(log_->entries, (QStringList{midi, QStringLiteral("end ") + midi, midi}));
        QCOMPARE(log_->musicPlaying, 1);
    }

    void playAfterStopStartsAgain()
    {
        MciMediaControl control(wave_, midi_);
        playMusicCue(control, SoundFile::titleMusic);
        control.setCommand(QStringLiteral("Stop"));
        control.setCommand(QStringLiteral("Play"));
        QCOMPARE(log_->musicPlaying, 1);
    }

    void playAfterCloseDoesNothing()
    {
        MciMediaControl control(wave_, midi_);
        playMusicCue(control, SoundFile::titleMusic);
        control.setCommand(QStringLiteral("Close"));
        control.setCommand(QStringLiteral("Play"));
        QCOMPARE(log_->musicPlaying, 0);
        QCOMPARE(log_->entries.size(), 2);
    }

    void playWithoutOpenDoesNothing()
    {
        MciMediaControl control(wave_, midi_);
        control.setFileName(QStringLiteral("passport.mid"));
        control.setCommand(QStringLiteral("Play"));
        QVERIFY(log_->entries.isEmpty());
    }

    void openClosesWhatWasOpen()
    {
        MciMediaControl control(wave_, midi_);
        playMusicCue(control, SoundFile::titleMusic);
        control.setFileName(QStringLiteral("bahha.rmi"));
        control.setCommand(QStringLiteral("Open"));
        QCOMPARE(log_->musicPlaying, 0);
        control.setCommand(QStringLiteral("Play"));
        QCOMPARE(log_->lastMidi, rmidMidi());
    }

    void effectCueEndsTheMusicButPlaysItsSound()
    {
        // The roulette's "Start": the music stops, the button sounds, the music
        // does not come back.
        MciMediaControl control(wave_, midi_);
        playMusicCue(control, SoundFile::rouletteMusic);
        QCOMPARE(log_->lastMidi, tinyMidiFile("cany"));
        playEffectCue(control, SoundFile::forward);
        const QString midi = midiEntry(tinyMidiFile());
        QCOMPARE(log_->entries, (QStringList{midi, QStringLiteral("end ") + midi,
                                             QStringLiteral("short pinpon.wav")}));
        QCOMPARE(log_->musicPlaying, 0);
    }

    void stopCloseAndDestructionLeaveShortSoundsAlone()
    {
        {
            MciMediaControl control(wave_, midi_);
            playEffectCue(control, SoundFile::forward);
            control.setCommand(QStringLiteral("Stop"));
            control.setCommand(QStringLiteral("Close"));
            playAnswerCue(control, SoundFile::correct);
        }
        // Short sounds have no handle: nothing ends them.
        QCOMPARE(log_->entries, (QStringList{QStringLiteral("short pinpon.wav"),
                                             QStringLiteral("short Chimes.wav")}));
    }

    void destroyingTheControlEndsItsMusic()
    {
        {
            MciMediaControl control(wave_, midi_);
            playMusicCue(control, SoundFile::historyMusic);
            QCOMPARE(log_->musicPlaying, 1);
        }
        QCOMPARE(log_->musicPlaying, 0);
        QCOMPARE(log_->entries.last(), QStringLiteral("end ") + midiEntry(rmidMidi()));
    }

    void missingFileIsSilent()
    {
        MciMediaControl control(wave_, midi_);
        playEffectCue(control, QStringLiteral("missing.wav"));
        playAnswerCue(control, QStringLiteral("missing.wav"));
        playMusicCue(control, QStringLiteral("missing.mid"));
        control.setCommand(QStringLiteral("Stop"));
        control.setCommand(QStringLiteral("Close"));
        QVERIFY(log_->entries.isEmpty());
    }

    void missingFileAfterMusicEndsItAndStaysSilent()
    {
        MciMediaControl control(wave_, midi_);
        playMusicCue(control, SoundFile::titleMusic);
        playMusicCue(control, QStringLiteral("missing.mid"));
        QCOMPARE(log_->musicPlaying, 0);
        control.setCommand(QStringLiteral("Play"));
        QCOMPARE(log_->musicPlaying, 0);
    }

    void malformedFileIsSilent()
    {
        MciMediaControl control(wave_, midi_);
        playMusicCue(control, QStringLiteral("broken.rmi"));
        control.setCommand(QStringLiteral("Sound"));
        QVERIFY(log_->entries.isEmpty());
    }

    void emptyFileNameIsSilent()
    {
        MciMediaControl control(wave_, midi_);
        control.setCommand(QStringLiteral("Open"));
        control.setCommand(QStringLiteral("Play"));
        control.setCommand(QStringLiteral("Sound"));
        QVERIFY(log_->entries.isEmpty());
    }

    void unknownWordsDoNothing()
    {
        MciMediaControl control(wave_, midi_);
        playMusicCue(control, SoundFile::titleMusic);
        for (const char *word : {"", "Pause", "Record", "Eject", "Stop ", " Close", "Opening", "Back"})
            control.setCommand(QString::fromLatin1(word));
        QCOMPARE(log_->entries.size(), 1);
        QCOMPARE(log_->musicPlaying, 1);
    }

    void fileNameAloneDoesNothing()
    {
        MciMediaControl control(wave_, midi_);
        playMusicCue(control, SoundFile::titleMusic);
        control.setFileName(QStringLiteral("pinpon.wav"));
        QCOMPARE(log_->entries.size(), 1);
        QCOMPARE(log_->musicPlaying, 1);
    }

    void controlOutlivingItsBackendsIsSilent()
    {
        auto control = std::make_unique<MciMediaControl>(wave_, midi_);
        playMusicCue(*control, SoundFile::titleMusic);
        wave_.reset();
        midi_.reset();
        playEffectCue(*control, SoundFile::forward);
        playMusicCue(*control, SoundFile::titleMusic);
        control.reset();
        const QString midi = midiEntry(tinyMidiFile());
        QCOMPARE(log_->entries, (QStringList{midi, QStringLiteral("end ") + midi}));
    }

    void factoryMakesIndependentControls()
    {
        SoundSystem system(wave_, midi_);
        auto title = system.createControl();
        auto board = system.createControl();
        playMusicCue(*title, SoundFile::titleMusic);
        playMusicCue(*board, SoundFile::historyMusic);
        QCOMPARE(log_->musicPlaying, 2);
        playEffectCue(*title, SoundFile::forward);
        title.reset();
        QCOMPARE(log_->musicPlaying, 1);
        QCOMPARE(log_->lastMidi, rmidMidi());
        board.reset();
        QCOMPARE(log_->musicPlaying, 0);
        QCOMPARE(log_->entries.filter(QStringLiteral("short")).size(), 1);
    }

private:
    QTemporaryDir dir_;
    QString previous_;
    std::shared_ptr<SoundLog> log_;
    std::shared_ptr<FakeWavePlayer> wave_;
    std::shared_ptr<FakeMidiPlayer> midi_;
};

QTEST_GUILESS_MAIN(TestMciMediaControl)
#include "tst_mci_media_control.moc"
