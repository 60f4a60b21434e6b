// The real backends (libpulse and FluidSynth) driven through the sound
// system, with or without a sound server: every call returns promptly, nothing
// crashes, and a missing file is silent.
#include "sound_system.h"
#include "sound_test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace piyota;
using namespace piyota::testing;

namespace {

// Generous bounds, far above what the calls take, far below a hang.
constexpr qint64 kPromptMs = 1000;
constexpr qint64 kShutdownMs = 10000;

std::unique_ptr<SoundSystem> realSoundSystem()
{
    auto system = std::make_unique<SoundSystem>();
    system->loadModule(SoundSystem::modulePathBesideProgram());
    return system;
}

} // namespace

class TestRealSound : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        previous_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_.path()));
        QVERIFY(writeFile(QStringLiteral("pinpon.wav"), tinyWaveFile()));
        QVERIFY(writeFile(QStringLiteral("passport.mid"), tinyMidiFile()));
        QVERIFY(writeFile(QStringLiteral("bahha.rmi"),
                          riffFile("RMID", riffChunk("LIST", QByteArray("INFO"))
                                               + riffChunk("data", tinyMidiFile()))));
    }

    void cleanupTestCase() { QDir::setCurrent(previous_); }

    void startingTheSystemDoesNotWaitForTheSoundFont()
    {
        QElapsedTimer timer;
        timer.start();
        auto system = realSoundSystem();
        QVERIFY2(timer.elapsed() < 200, qPrintable(QString::number(timer.elapsed())));
        timer.restart();
        system.reset(); // while the soundfont may still be loading
        QVERIFY2(timer.elapsed() < kShutdownMs, qPrintable(QString::number(timer.elapsed())));
    }

    void cuesReturnPromptly()
    {
        QElapsedTimer timer;
        const auto system = realSoundSystem();
        auto control = system->createControl();

        // Music asked for while the soundfont loads.
        timer.start();
        control->play(cue::Song{SoundFile::titleMusic});
        QVERIFY2(timer.elapsed() < kPromptMs, qPrintable(QString::number(timer.elapsed())));

        timer.restart();
        control->play(cue::Effect{QStringLiteral("pinpon.wav")});
        control->play(cue::Effect{QStringLiteral("pinpon.wav")});
        control->play(cue::Answer{QStringLiteral("missing.wav")});
        control->play(cue::Effect{QStringLiteral("missing.wav")});
        control->play(cue::Song{QStringLiteral("missing.mid")});
        control->play(cue::Song{SoundFile::historyMusic});
        QVERIFY2(timer.elapsed() < kPromptMs, qPrintable(QString::number(timer.elapsed())));

        QTest::qWait(600); // the soundfont is loaded, the music "plays"

        timer.restart();
        control->play(cue::Song{QStringLiteral("pinpon.wav")});
        control->play(cue::Song{SoundFile::titleMusic});
        control->play(cue::Stop{});
        control->play(cue::Stop{});
        control->play(cue::Song{SoundFile::historyMusic});
        control.reset(); // the screen closes with its music playing
        QVERIFY2(timer.elapsed() < kPromptMs, qPrintable(QString::number(timer.elapsed())));
    }

    void shortSoundOutlivesItsControl()
    {
        const auto system = realSoundSystem();
        {
            auto control = system->createControl();
            control->play(cue::Effect{QStringLiteral("pinpon.wav")});
        }
        QTest::qWait(200); // the sound plays on, or silently, without its control
        auto next = system->createControl();
        next->play(cue::Answer{QStringLiteral("pinpon.wav")});
    }

    void manyScreensComeAndGo()
    {
        const auto system = realSoundSystem();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 20; ++i) {
            auto control = system->createControl();
            control->play(cue::Song{i % 2 ? SoundFile::titleMusic : SoundFile::historyMusic});
            control->play(cue::Effect{QStringLiteral("pinpon.wav")});
        }
        QVERIFY2(timer.elapsed() < kPromptMs, qPrintable(QString::number(timer.elapsed())));
    }

    void controlOutlivingTheSystemIsSilent()
    {
        auto system = realSoundSystem();
        auto control = system->createControl();
        control->play(cue::Song{SoundFile::titleMusic});
        system.reset();
        control->play(cue::Effect{QStringLiteral("pinpon.wav")});
        control->play(cue::Song{SoundFile::historyMusic});
        control.reset();
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};

QTEST_MAIN(TestRealSound)
#include "tst_real_sound.moc"
