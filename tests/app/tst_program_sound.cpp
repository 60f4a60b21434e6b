// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's sound as a sound server of the test's own hears it, through
// the real screens, media controls and players: a screen's song stops when
// the screen closes, a button's sound plays on after its screen has gone,
// and every stream closes once its sound is over.
#include "fakes/fake_platform.h"
#include "sound/sound_server.h"
#include "sound/sound_test_files.h"

#include "common/screen.h"
#include "program.h"
#include "sound_system.h"

#include <QPushButton>
#include <QTest>

using namespace piyota;
using namespace piyota::testing;

namespace {

// How the server lists the streams of the button's wave and of the song.
const QString kWaveStream = QStringLiteral("s16le 1ch 8000Hz");
const QString kSongStream = QStringLiteral("float32le 2ch");

} // namespace

class ProgramSoundTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theTitlesSoundsEndWithTheTitle()
    {
        const PrivateSoundServer server;
        if (!server.error().isEmpty())
            QSKIP(qPrintable(server.error()));
        const SoundFilesDirectory files({{QStringLiteral("passport.mid"), heldNoteMidiFile(30)},
                                         {QStringLiteral("pinpon.wav"), tinyWaveFile(8000, 0.6)}});
        QVERIFY(files.isValid());
        FakeClock clock;
        FakeRandom random;
        FakeDialogs dialogs;
        SoundSystem sound;
        sound.loadModule(SoundSystem::modulePathBesideProgram());
        Program program(QDir(files.path()), {clock, random, dialogs, sound});

        program.navigator.show(ScreenId::Title);
        QVERIFY2(waitForStreams(1, kStreamStarts), "the title's song did not start");
        program.navigator.show(ScreenId::StartMenu); // no button: only the closing ends the song
        QVERIFY2(waitForStreams(0, kStreamCloses), "the title's song plays on after the title has closed");

        program.navigator.show(ScreenId::Title);
        QVERIFY2(waitForStreams(1, kStreamStarts), "the title's song did not start again");
        program.navigator.currentScreen()->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(program.navigator.currentId(), ScreenId::StartMenu);
        QVERIFY2(waitForStreams(1, kStreamStarts, kWaveStream), "次へ's sound did not play on");
        QVERIFY2(waitForStreams(0, kStreamCloses, kSongStream), "the title's song plays on after 次へ");
        QVERIFY2(waitForStreams(0, kStreamCloses), "次へ's stream is still open after it has played");
    }
};

QTEST_MAIN(ProgramSoundTest)
#include "tst_program_sound.moc"
