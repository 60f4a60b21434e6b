// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "directory_fault.h"

#include "course_state.h"
#include "progress_file.h"
#include "progress_format.h"
#include "fakes/progress_files.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <csignal>
#include <optional>
#include <random>
#include <thread>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace piyota;
using namespace piyota::testing;

namespace {

constexpr int kKills = 250;

// Two states of one student that differ in every line and in length.
CourseState earlierState()
{
    CourseState state;
    state.startFresh();
    state.userCode = QStringLiteral("kenta");
    state.problemNo = 6;
    state.score = 12000;
    for (int i = 1; i <= 5; ++i)
        state.answerSeconds[i] = static_cast<float>(20 + i);
    state.answerSeconds[6] = 45296.37f;
    return state;
}

CourseState laterState()
{
    CourseState state = earlierState();
    state.problemNo = 29;
    state.score = -123456;
    for (int i = 1; i <= 30; ++i) {
        state.missCount[i] = 100 + i;
        state.answerSeconds[i] = 1000.5f + static_cast<float>(i);
    }
    return state;
}

QByteArray fileOf(const CourseState &state)
{
    return formatProgress(ProgressRecord::of(state));
}

// Saves the two states in turn until killed; tells the parent through
// `ready` once the first save is on disk.
[[noreturn]] void saveForever(const ProgressFile &progress, int ready)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlive the test
    const CourseState states[] = {laterState(), earlierState()};
    progress.saveProgress(states[0]);
    const char byte = 1;
    if (write(ready, &byte, 1) != 1)
        _exit(1);
    for (;;) {
        progress.saveProgress(states[1]);
        progress.saveProgress(states[0]);
    }
}

} // namespace

class CrashSafeSaveTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        dir_.emplace();
        QVERIFY(dir_->isValid());
    }

    void killedSaveLeavesTheOldOrTheNewFile()
    {
        const ProgressFile progress{QDir(dir_->path())};
        const QString path = progress.pathFor(QStringLiteral("kenta"));
        const QByteArray earlier = fileOf(earlierState());
        const QByteArray later = fileOf(laterState());
        QVERIFY(progress.saveProgress(earlierState()));

        // Kill moments spread over a few saves: how long one takes here.
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 10; ++i)
            QVERIFY(progress.saveProgress(earlierState()));
        const auto saveNanoseconds = std::max<qint64>(timer.nsecsElapsed() / 10, 1000);

        std::random_device device;
        const unsigned seed = device();
        qInfo("kill moments from seed %u, within %lld us", seed, 4 * saveNanoseconds / 1000);
        std::mt19937 random(seed);
        std::uniform_int_distribution<qint64> delay(0, 4 * saveNanoseconds);

        int sawEarlier = 0;
        int sawLater = 0;
        int leftovers = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            int ready[2];
            QVERIFY(pipe(ready) == 0);
            const pid_t saver = fork();
            QVERIFY(saver >= 0);
            if (saver == 0) {
                close(ready[0]);
                saveForever(progress, ready[1]);
            }
            close(ready[1]);
            char byte = 0;
            const bool started = read(ready[0], &byte, 1) == 1;
            close(ready[0]);
            if (started)
                std::this_thread::sleep_for(std::chrono::nanoseconds(delay(random)));
            ::kill(saver, SIGKILL);
            int status = 0;
            QCOMPARE(waitpid(saver, &status, 0), saver);
            QVERIFY2(started, "the saving process did not get to its first save");
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, "the saving process ended by itself");

            const QByteArray onDisk = readBytes(path);
            QVERIFY2(onDisk == earlier || onDisk == later,
                     qPrintable(QStringLiteral("kill %1 left: ").arg(kill) + QString::fromLatin1(onDisk.toPercentEncoding())));
            ++(onDisk == earlier ? sawEarlier : sawLater);
            leftovers += int(!temporaryFiles().isEmpty());
        }
        qInfo("%d kills: %d left the earlier state, %d the later one, %d a temporary file besides",
              kKills, sawEarlier, sawLater, leftovers);
        // Kills that all fell between the same two saves would prove little.
        QVERIFY(sawEarlier > 0);
        QVERIFY(sawLater > 0);

        // The temporary files that killed saves left go with the next save.
        // (Each saving process's saves took those of the kill before it.)
        if (temporaryFiles().isEmpty())
            QVERIFY(writeBytes(path + QStringLiteral(".KiLLed"), later.left(100)));
        QVERIFY(progress.saveProgress(earlierState()));
        QCOMPARE(temporaryFiles(), QStringList());
        QCOMPARE(readBytes(path), earlier);
    }

    void failedSaveKeepsThePreviousFile_data()
    {
        QTest::addColumn<DirectoryFault::Kind>("kind");
        QTest::newRow("read-only directory") << DirectoryFault::Kind::ReadOnly;
        QTest::newRow("full file system") << DirectoryFault::Kind::Full;
    }

    void failedSaveKeepsThePreviousFile()
    {
        QFETCH(DirectoryFault::Kind, kind);
        DirectoryFault fault(dir_->path());
        if (const QString why = fault.whyUnavailable(kind); !why.isEmpty())
            QSKIP(qPrintable(why));
        qInfo("made by %s", qPrintable(fault.method(kind)));

        const ProgressFile progress{QDir(dir_->path())};
        const QString path = progress.pathFor(QStringLiteral("kenta"));
        QVERIFY(progress.saveProgress(earlierState()));
        QVERIFY(fault.start(kind));
        QVERIFY(!progress.saveProgress(laterState()));
        QCOMPARE(readBytes(path), fileOf(earlierState()));
        QVERIFY(fault.stop(kind));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("kenta.ucd")}); // no temporary file left behind

        // The same save goes through once the directory takes files again.
        QVERIFY(progress.saveProgress(laterState()));
        QCOMPARE(readBytes(path), fileOf(laterState()));
    }

private:
    // A save killed before its temporary file is renamed leaves that file behind.
    QStringList temporaryFiles() const
    {
        return QDir(dir_->path()).entryList({QStringLiteral("kenta.ucd.*")}, QDir::Files | QDir::Hidden);
    }

    std::optional<QTemporaryDir> dir_;
};

QTEST_GUILESS_MAIN(CrashSafeSaveTest)
#include "tst_crash_safe_save.moc"
