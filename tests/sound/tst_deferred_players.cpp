// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sounds asked for before the sound module's players arrive: kept, started on
// arrival in order, and dropped when their handle has gone or no player came.
#include "fake_sound_backends.h"
#include "deferred_players.h"

#include <QTest>

using namespace piyota;
using namespace piyota::testing;

class TestDeferredPlayers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        log_ = std::make_shared<SoundLog>();
        players_.emplace();
    }

    void whatWaitedStartsOnArrivalInOrder()
    {
        players_->playShortSound(QStringLiteral("pinpon.wav"));
        auto midi = players_->playMusic(QByteArray(3, 'm'));
        auto wave = players_->playMusic(QStringLiteral("Chimes.wav"));
        players_->playShortSound(QStringLiteral("Chimes2.wav"));
        QVERIFY(midi && wave);
        QVERIFY(log_->entries.isEmpty());

        arriveWithFakes();
        QCOMPARE(log_->entries, QStringList({QStringLiteral("short pinpon.wav"), QStringLiteral("short Chimes2.wav"),
                                             QStringLiteral("midi 3 bytes"), QStringLiteral("wave Chimes.wav")}));
        QCOMPARE(log_->musicPlaying, 2);

        midi.reset(); // the handle taken before arrival ends the music started since
        QCOMPARE(log_->entries.last(), QStringLiteral("end midi 3 bytes"));
        QCOMPARE(log_->musicPlaying, 1);
    }

    void musicWhoseHandleWentNeverStarts()
    {
        players_->playMusic(QByteArray(5, 'm')).reset();
        auto kept = players_->playMusic(QByteArray(7, 'm'));
        arriveWithFakes();
        QCOMPARE(log_->entries, QStringList({QStringLiteral("midi 7 bytes")}));
    }

    void afterArrivalCallsGoStraightThrough()
    {
        arriveWithFakes();
        players_->playShortSound(QStringLiteral("pinpon.wav"));
        auto music = players_->playMusic(QByteArray(2, 'm'));
        QCOMPARE(log_->entries, QStringList({QStringLiteral("short pinpon.wav"), QStringLiteral("midi 2 bytes")}));
        music.reset();
        QCOMPARE(log_->musicPlaying, 0);
    }

    void noPlayersMeansSilence()
    {
        players_->playShortSound(QStringLiteral("pinpon.wav"));
        auto waiting = players_->playMusic(QByteArray(3, 'm'));
        players_->arrive({}); // the module did not load
        QVERIFY(!players_->playMusic(QByteArray(3, 'm')));
        QVERIFY(!players_->playMusic(QStringLiteral("Chimes.wav")));
        players_->playShortSound(QStringLiteral("pinpon.wav"));
        // Players handed over later change nothing: the first arrival counts.
        arriveWithFakes();
        players_->playShortSound(QStringLiteral("pinpon.wav"));
        QVERIFY(log_->entries.isEmpty());
    }

    void onlyTheMissingKindIsSilent()
    {
        auto wave = players_->playMusic(QStringLiteral("Chimes.wav"));
        players_->arrive({std::make_shared<FakeWavePlayer>(log_), nullptr});
        QVERIFY(!players_->playMusic(QByteArray(3, 'm')));
        QCOMPARE(log_->entries, QStringList({QStringLiteral("wave Chimes.wav")}));
    }

    void handleOutlivingThePlayersIsHarmless()
    {
        auto music = players_->playMusic(QByteArray(3, 'm'));
        arriveWithFakes();
        players_.reset();
        music.reset();
        QCOMPARE(log_->musicPlaying, 0);
    }

private:
    void arriveWithFakes()
    {
        players_->arrive({std::make_shared<FakeWavePlayer>(log_), std::make_shared<FakeMidiPlayer>(log_)});
    }

    std::shared_ptr<SoundLog> log_;
    std::optional<DeferredPlayers> players_;
};

QTEST_GUILESS_MAIN(TestDeferredPlayers)
#include "tst_deferred_players.moc"
