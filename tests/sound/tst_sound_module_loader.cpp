// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound module loaded in the background: its players arrive on the
// loader's thread once the event loop runs; a missing module brings none, and
// a loader destroyed first brings nothing at all.
#include "sound_module_loader.h"
#include "sound_system.h"

#include <QTest>

#include <optional>

using namespace piyota;

class TestSoundModuleLoader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void playersArriveOnTheLoadersThread()
    {
        std::optional<SoundBackends> arrived;
        QThread *arrivalThread = nullptr;
        SoundModuleLoader loader(SoundSystem::modulePathBesideProgram(), [&](SoundBackends backends) {
            arrived = std::move(backends);
            arrivalThread = QThread::currentThread();
        });
        QTRY_VERIFY(arrived.has_value());
        QVERIFY(arrived->wavePlayer);
        QVERIFY(arrived->midiPlayer);
        QCOMPARE(arrivalThread, QThread::currentThread());
    }

    void aMissingModuleBringsNoPlayers()
    {
        std::optional<SoundBackends> arrived;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^no sound: ")));
        SoundModuleLoader loader(QStringLiteral("/nonexistent/piyota_sound.so"),
                                 [&](SoundBackends backends) { arrived = std::move(backends); });
        QTRY_VERIFY(arrived.has_value());
        QVERIFY(!arrived->wavePlayer);
        QVERIFY(!arrived->midiPlayer);
    }

    void aLoaderDestroyedFirstHandsOverNothing()
    {
        int arrivals = 0;
        {
            SoundModuleLoader loader(SoundSystem::modulePathBesideProgram(),
                                     [&](SoundBackends) { ++arrivals; });
        } // waits for the loading, before the event loop has run
        QCoreApplication::processEvents();
        QTest::qWait(50);
        QCOMPARE(arrivals, 0);
    }
};

QTEST_GUILESS_MAIN(TestSoundModuleLoader)
#include "tst_sound_module_loader.moc"
