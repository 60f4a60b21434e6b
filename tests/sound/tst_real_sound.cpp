// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real players (libpulse and FluidSynth, from the sound module) behind a
// screen's media control. On a sound server of the test's own: a button's
// sound plays on after its screen has gone and its stream closes once it has
// played; a song's stream closes as soon as its screen's control goes or its
// next cue comes. With no server: every cue hands control back at once.
#include "sound_server.h"
#include "sound_system.h"
#include "sound_test_files.h"

#include <QElapsedTimer>
#include <QTest>

using namespace piyota;
using namespace piyota::testing;

namespace {

// Far above what the calls take, far below a hang.
constexpr qint64 kPromptMs = 1000;
// Songs far longer than any wait of the test, so that a stream gone is one
// closed, not one whose song has ended.
constexpr int kSongSeconds = 30;

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
        files_.emplace(QList<std::pair<QString, QByteArray>>{
            {QStringLiteral("pinpon.wav"), tinyWaveFile(8000, 0.6)},
            {QStringLiteral("long.wav"), tinyWaveFile(8000, kSongSeconds)},
            {QStringLiteral("passport.mid"), heldNoteMidiFile(kSongSeconds)},
            {QStringLiteral("bahha.rmi"), rmidFile(heldNoteMidiFile(kSongSeconds))},
        });
        QVERIFY(files_->isValid());
    }

    void cleanupTestCase() { files_.reset(); }

    void withoutAServerEveryCueReturnsAtOnce()
    {
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(files_->path()) + "/no-server");
        QElapsedTimer timer;
        timer.start();
        auto system = realSoundSystem();
        auto control = system->createControl();
        playEveryKindOfCue(*control); // while the module loads
        const qint64 whileLoading = timer.elapsed();
        QTest::qWait(600); // the module has arrived, the soundfont is loading
        timer.restart();
        playEveryKindOfCue(*control);
        control.reset(); // the screen closes with a song asked for
        const qint64 onceLoaded = timer.elapsed();
        system.reset();
        qunsetenv("PULSE_SERVER");
        QVERIFY2(whileLoading < kPromptMs, qPrintable(QString::number(whileLoading)));
        QVERIFY2(onceLoaded < kPromptMs, qPrintable(QString::number(onceLoaded)));
    }

    void aButtonsSoundPlaysOnAfterItsScreenAndItsStreamCloses()
    {
        const PrivateSoundServer server;
        if (!server.error().isEmpty())
            QSKIP(qPrintable(server.error()));
        const auto system = realSoundSystem();
        system->createControl()->play(cue::Effect{QStringLiteral("pinpon.wav")}); // the screen closes at once
        QVERIFY2(waitForStreams(1, kStreamStarts), "the sound did not start");
        QVERIFY2(waitForStreams(0, kStreamCloses), "its stream is still open after it has played");
    }

    void aSongsStreamClosesWithItsScreen_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("MIDI") << QStringLiteral("passport.mid");
        QTest::newRow("RMID") << QStringLiteral("bahha.rmi");
        QTest::newRow("wave") << QStringLiteral("long.wav");
    }

    void aSongsStreamClosesWithItsScreen()
    {
        QFETCH(QString, file);
        const PrivateSoundServer server;
        if (!server.error().isEmpty())
            QSKIP(qPrintable(server.error()));
        const auto system = realSoundSystem();
        auto control = system->createControl();
        control->play(cue::Song{file});
        QVERIFY2(waitForStreams(1, kStreamStarts), "the song did not start");
        control.reset();
        QVERIFY2(waitForStreams(0, kStreamCloses), "the song plays on after its screen has closed");
    }

    void everyCueEndsTheSong()
    {
        const PrivateSoundServer server;
        if (!server.error().isEmpty())
            QSKIP(qPrintable(server.error()));
        const auto system = realSoundSystem();
        auto control = system->createControl();
        for (const SoundCue &next : {SoundCue(cue::Stop{}), SoundCue(cue::Effect{QStringLiteral("missing.wav")}),
                                     SoundCue(cue::Song{QStringLiteral("missing.mid")})}) {
            control->play(cue::Song{QStringLiteral("passport.mid")});
            QVERIFY2(waitForStreams(1, kStreamStarts), "the song did not start");
            control->play(next);
            QVERIFY2(waitForStreams(0, kStreamCloses), "the song plays on after the next cue");
        }
    }

    void aControlOutlivingTheSystemIsSilent()
    {
        const PrivateSoundServer server;
        if (!server.error().isEmpty())
            QSKIP(qPrintable(server.error()));
        auto system = realSoundSystem();
        auto control = system->createControl();
        control->play(cue::Song{QStringLiteral("passport.mid")});
        QVERIFY2(waitForStreams(1, kStreamStarts), "the song did not start");
        system.reset();
        QVERIFY2(waitForStreams(0, kStreamCloses), "the song plays on without its players");
        playEveryKindOfCue(*control);
        QTest::qWait(300);
        QCOMPARE(soundServerStreams(), 0);
    }

private:
    static void playEveryKindOfCue(MediaControl &control)
    {
        control.play(cue::Song{QStringLiteral("passport.mid")});
        control.play(cue::Effect{QStringLiteral("pinpon.wav")});
        control.play(cue::Answer{QStringLiteral("missing.wav")});
        control.play(cue::Song{QStringLiteral("missing.mid")});
        control.play(cue::Song{QStringLiteral("bahha.rmi")});
        control.play(cue::Stop{});
        control.play(cue::Song{QStringLiteral("long.wav")});
    }

    std::optional<SoundFilesDirectory> files_;
};

QTEST_MAIN(TestRealSound)
#include "tst_real_sound.moc"
