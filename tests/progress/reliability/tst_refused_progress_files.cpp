// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/hostile_entries.h"
#include "fakes/progress_files.h"
#include "fakes/test_app.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <thread>

using namespace piyota;
using namespace piyota::testing;

namespace {

// Where the program meets the progress file first.
enum class Meeting { StartAfresh, Continue, QuizActivation };

void click(TestApp &app, const QString &button)
{
    app.navigator.currentScreen()->findChild<QPushButton *>(button)->click();
}

// Lets go of a program that blocks on opening a FIFO: after a few seconds,
// opens it for writing, and says it had to.
class FifoWatchdog {
public:
    explicit FifoWatchdog(const QString &fifo)
        : thread_([this, path = QFile::encodeName(fifo)] {
            std::unique_lock lock(mutex_);
            if (!done_.wait_for(lock, std::chrono::seconds(5), [this] { return finished_; })) {
                fired_ = true;
                ::close(::open(path.constData(), O_WRONLY | O_NONBLOCK));
            }
        })
    {
    }
    ~FifoWatchdog()
    {
        {
            const std::lock_guard lock(mutex_);
            finished_ = true;
        }
        done_.notify_one();
        thread_.join();
    }
    bool fired() const { return fired_; }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::atomic<bool> fired_ = false;
    std::thread thread_;
};

} // namespace

Q_DECLARE_METATYPE(piyota::testing::HostileEntry)
Q_DECLARE_METATYPE(Meeting)

// Something else than a regular file under the name of the progress file,
// met at the start menu or at a quiz screen's activation: the program ends
// at once without a message, as for any unusable file, never hangs, and
// reads or writes nothing outside the working directory. Once the name is
// cleared, the next run goes on.
class RefusedProgressFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void endsSilentlyAndTouchesNothingOutside_data()
    {
        QTest::addColumn<HostileEntry>("entry");
        QTest::addColumn<Meeting>("meeting");
        const std::pair<const char *, Meeting> meetings[] = {{"初めからやる", Meeting::StartAfresh},
                                                             {"前の続きからやる", Meeting::Continue},
                                                             {"quiz activation", Meeting::QuizActivation}};
        for (const HostileEntry entry : kHostileEntries) {
            for (const auto &[name, meeting] : meetings)
                QTest::addRow("%s, %s", nameOf(entry), name) << entry << meeting;
        }
    }

    void endsSilentlyAndTouchesNothingOutside()
    {
        QFETCH(HostileEntry, entry);
        QFETCH(Meeting, meeting);
        QTemporaryDir work;
        QTemporaryDir elsewhere;
        const QString progressFile = work.filePath(QStringLiteral("kenta.ucd"));
        // Another student's progress, which a link must not let in.
        const OutsideFile outside{elsewhere.filePath(QStringLiteral("aiko.ucd"))};
        const QByteArray outsideBytes = progressFileAt(25, 90000);
        QVERIFY(writeBytes(outside.path, outsideBytes));
        const QByteArray savedAtHelp = progressFileAt(3, -3000, "1,43200.25");

        std::optional<TestApp> app(std::in_place, work.path());
        if (meeting == Meeting::QuizActivation) {
            // Problem 3 answered wrong, and off to the lecture; the name is
            // taken over while the student reads it.
            app->dialogs.inputAnswers = {QStringLiteral("kenta")};
            QVERIFY(writeBytes(progressFile, progressFileAt(3, 0, "0,43200.25")));
            app->navigator.show(ScreenId::StartMenu);
            click(*app, QStringLiteral("Command2"));
            click(*app, QStringLiteral("Command8")); // その他, wrong everywhere
            click(*app, QStringLiteral("Command9"));
            QCOMPARE(app->navigator.currentId(), ScreenId::Lecture);
            QCOMPARE(readBytes(progressFile), savedAtHelp);
            QVERIFY(removeEntry(progressFile));
        }
        if (!makeHostileEntry(entry, progressFile, outside))
            QSKIP("this system does not let the test make a device node");
        const QStringList before = QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const CourseState course = app->course;

        {
            std::optional<FifoWatchdog> watchdog;
            if (entry == HostileEntry::Fifo)
                watchdog.emplace(progressFile);
            switch (meeting) {
            case Meeting::StartAfresh:
            case Meeting::Continue:
                app->dialogs.inputAnswers = {QStringLiteral("kenta")};
                app->navigator.show(ScreenId::StartMenu);
                click(*app, meeting == Meeting::StartAfresh ? QStringLiteral("Command1") : QStringLiteral("Command2"));
                break;
            case Meeting::QuizActivation:
                click(*app, QStringLiteral("Command2")); // EXIT: back to the quiz, which reloads the file
                break;
            }
            QVERIFY2(!watchdog || !watchdog->fired(), "the program blocked on the FIFO");
        }

        QVERIFY(app->exitCode && *app->exitCode != 0);
        QCOMPARE(app->navigator.currentScreen(), nullptr);
        QVERIFY(std::none_of(app->dialogs.asked.begin(), app->dialogs.asked.end(),
                             [](const FakeDialogs::Asked &asked) { return asked.kind == QStringLiteral("inform"); }));
        if (meeting != Meeting::StartAfresh) { // the file's values were not taken
            QCOMPARE(app->course.problemNo, course.problemNo);
            QCOMPARE(app->course.score, course.score);
            QCOMPARE(app->course.missCount, course.missCount);
            QCOMPARE(app->course.answerSeconds, course.answerSeconds);
        }
        QCOMPARE(readBytes(outside.path), outsideBytes);
        QVERIFY(!QFileInfo::exists(outside.missing()));
        QCOMPARE(linkTarget(progressFile), linkOf(entry, outside));
        QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);

        // The program has ended. With the name cleared (a file of the
        // student's own put back to continue from), the next run goes on.
        app.reset();
        QVERIFY(removeEntry(progressFile));
        if (meeting == Meeting::Continue)
            QVERIFY(writeBytes(progressFile, progressFileAt(12, 27000)));
        if (meeting == Meeting::QuizActivation)
            QVERIFY(writeBytes(progressFile, savedAtHelp));
        app.emplace(work.path());
        app->dialogs.inputAnswers = {QStringLiteral("kenta")};
        app->navigator.show(ScreenId::StartMenu);
        click(*app, meeting == Meeting::StartAfresh ? QStringLiteral("Command1") : QStringLiteral("Command2"));
        QCOMPARE(app->navigator.currentId(), ScreenId::Stage1Quiz);
        const int resumedAt[] = {1, 12, 3};
        QCOMPARE(int(app->course.problemNo), resumedAt[int(meeting)]);
        if (meeting == Meeting::StartAfresh)
            QCOMPARE(readBytes(progressFile), progressFileAt(1, 0));
        QCOMPARE(readBytes(outside.path), outsideBytes);
    }
};

QTEST_MAIN(RefusedProgressFilesTest)
#include "tst_refused_progress_files.moc"
