// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lock_holder.h"

#include <QTest>

using namespace piyota;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(std::optional<piyota::Machine>)

namespace {

const Machine kHere{"pc07", "6f1c0e5a"};

} // namespace

// What a lock file says about its holder, and when a lock that no program
// of this machine holds still counts as in use by another machine.
class LockHolderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesThePidTheProgramAndTheMachine()
    {
        QCOMPARE(lockFileContents(4242, kHere), QByteArray("4242\npiyota\npc07\n6f1c0e5a\n"));
        const std::optional<Machine> holder = holderMachine("4242\npiyota\npc07\n6f1c0e5a\n");
        QVERIFY(holder);
        QCOMPARE(holder->hostName, QByteArray("pc07"));
        QCOMPARE(holder->machineId, QByteArray("6f1c0e5a"));
    }

    void readsTheOldestLayoutWithoutAMachineId()
    {
        const std::optional<Machine> holder = holderMachine("311\npiyota\npc03\n");
        QVERIFY(holder);
        QCOMPARE(holder->hostName, QByteArray("pc03"));
        QVERIFY(holder->machineId.isEmpty());
    }

    void contentsThatNameNoProgram_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("zero bytes of a sparse file") << QByteArray(512, '\0');
        QTest::newRow("cut in the host name") << QByteArray("4242\npiyota\npc0");
        QTest::newRow("no host name") << QByteArray("4242\npiyota\n\n6f1c0e5a\n");
        QTest::newRow("pid not a number") << QByteArray("42x\npiyota\npc07\n6f1c0e5a\n");
        QTest::newRow("pid zero") << QByteArray("0\npiyota\npc07\n6f1c0e5a\n");
        QTest::newRow("pid negative") << QByteArray("-4242\npiyota\npc07\n6f1c0e5a\n");
        QTest::newRow("garbage") << QByteArray("\x7f" "ELF\x02\x01\x01");
    }

    void contentsThatNameNoProgram()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(!holderMachine(contents));
    }

    void inUseOnAnotherMachine_data()
    {
        QTest::addColumn<std::optional<Machine>>("holder");
        QTest::addColumn<int>("secondsSinceRenewal");
        QTest::addColumn<bool>("inUse");
        const Machine other{"pc08", "90ab12cd"};
        QTest::newRow("this machine, just renewed") << std::optional(kHere) << 0 << false;
        QTest::newRow("another machine, just renewed") << std::optional(other) << 0 << true;
        QTest::newRow("another machine, 4:59 ago") << std::optional(other) << 299 << true;
        QTest::newRow("another machine, 5:00 ago") << std::optional(other) << 300 << false;
        QTest::newRow("another machine, an hour ago") << std::optional(other) << 3600 << false;
        QTest::newRow("another machine's clock ahead") << std::optional(other) << -90 << true;
        QTest::newRow("same name, another machine id")
            << std::optional(Machine{"pc07", "90ab12cd"}) << 60 << true;
        QTest::newRow("cloned disk: another name, same id")
            << std::optional(Machine{"pc08", "6f1c0e5a"}) << 60 << true;
        QTest::newRow("this host, no machine id") << std::optional(Machine{"pc07", {}}) << 60 << false;
        QTest::newRow("names no program") << std::optional<Machine>() << 0 << false;
    }

    void inUseOnAnotherMachine()
    {
        QFETCH(std::optional<Machine>, holder);
        QFETCH(int, secondsSinceRenewal);
        QFETCH(bool, inUse);
        QCOMPARE(piyota::inUseOnAnotherMachine(holder, kHere, std::chrono::seconds(secondsSinceRenewal)), inUse);
    }
};

QTEST_GUILESS_MAIN(LockHolderTest)
#include "tst_lock_holder.moc"
