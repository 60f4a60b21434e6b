#include "fakes/recording_media_control.h"
#include "sound_cues.h"

#include <QTest>

using namespace piyota;
using namespace piyota::testing;

class TestSoundCues : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void effectCue()
    {
        RecordingMediaControl control;
        playEffectCue(control, SoundFile::forward);
        QCOMPARE(control.steps(), (QStringList{
                                      QStringLiteral("Command=Stop"),
                                      QStringLiteral("Command=Close"),
                                      QStringLiteral("FileName=pinpon.wav"),
                                      QStringLiteral("Command=Open"),
                                      QStringLiteral("Command=Sound"),
                                  }));
    }

    void answerCue()
    {
        RecordingMediaControl control;
        playAnswerCue(control, SoundFile::correct);
        QCOMPARE(control.steps(), (QStringList{
                                      QStringLiteral("Command=close"),
                                      QStringLiteral("FileName=Chimes.wav"),
                                      QStringLiteral("Command=Open"),
                                      QStringLiteral("Command=Sound"),
                                  }));
    }

    void musicCue()
    {
        RecordingMediaControl control;
        playMusicCue(control, SoundFile::historyMusic);
        QCOMPARE(control.steps(), (QStringList{
                                      QStringLiteral("Command=Close"),
                                      QStringLiteral("FileName=bahha.rmi"),
                                      QStringLiteral("Command=Open"),
                                      QStringLiteral("Command=Play"),
                                  }));
    }

    void soundFileNames()
    {
        QCOMPARE(SoundFile::forward, QStringLiteral("pinpon.wav"));
        QCOMPARE(SoundFile::quit, QStringLiteral("endpinpon.wav"));
        QCOMPARE(SoundFile::correct, QStringLiteral("Chimes.wav"));
        QCOMPARE(SoundFile::wrong, QStringLiteral("Chimes2.wav"));
        QCOMPARE(SoundFile::titleMusic, QStringLiteral("passport.mid"));
        QCOMPARE(SoundFile::rouletteMusic, QStringLiteral("Canyon.mid"));
        QCOMPARE(SoundFile::historyMusic, QStringLiteral("bahha.rmi"));
    }

    void recordingFactoryRecordsEveryControl()
    {
        RecordingMediaControlFactory factory;
        {
            auto control = factory.createControl();
            playAnswerCue(*control, SoundFile::wrong);
        }
        QCOMPARE(factory.createdCount(), 1);
        QCOMPARE(factory.steps().size(), 5);
        QCOMPARE(factory.steps().last(), QStringLiteral("~control"));
    }
};

QTEST_GUILESS_MAIN(TestSoundCues)
#include "tst_sound_cues.moc"
