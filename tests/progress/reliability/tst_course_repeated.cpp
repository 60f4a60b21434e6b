// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/quiz/quiz_driver.h"

#include <QApplication>
#include <QTest>

#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
#define PIYOTA_LEAK_CHECKER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PIYOTA_LEAK_CHECKER 1
#endif
#endif

#ifdef PIYOTA_LEAK_CHECKER
#include <sanitizer/lsan_interface.h>
#endif

using namespace piyota;
using namespace piyota::testing;

namespace {

constexpr int kCourses = 50;

#ifdef PIYOTA_LEAK_CHECKER
constexpr std::uintptr_t kHidingMask = 0x5a5a5a5a5a5a5a5a;

// Allocates a block and keeps only a disguised address of it, so that the
// leak checker sees no pointer to it until it is revealed again.
[[gnu::noinline]] std::uintptr_t hiddenBlock()
{
    return reinterpret_cast<std::uintptr_t>(new int[16]) ^ kHidingMask;
}
#endif

} // namespace

// Plays the whole course through the real screens again and again in one
// process, as a long session of the program would: no window may be left
// behind, and under the sanitizer build the leak checker must find nothing.
class CourseRepeatedTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leakCheckerSeesALeak()
    {
#ifdef PIYOTA_LEAK_CHECKER
        qInfo("one deliberate leak of 64 bytes follows; the checker must report it");
        const std::uintptr_t hidden = hiddenBlock();
        const int found = __lsan_do_recoverable_leak_check();
        delete[] reinterpret_cast<int *>(hidden ^ kHidingMask);
        QCOMPARE(found, 1);
#else
        QSKIP("leaks are checked in the sanitizer build only");
#endif
    }

    void repeatedCoursesLeakNothing()
    {
        // Qt lists every widget it has, so to the leak checker a lost
        // window is never lost: they are counted instead.
        const qsizetype widgetsBefore = QApplication::allWidgets().size();
        for (int course = 0; course < kCourses; ++course) {
            playWholeCourse();
            if (QTest::currentTestFailed())
                return;
            // What the event loop does between two screens of the program.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
        }
#ifdef PIYOTA_LEAK_CHECKER
        QCOMPARE(__lsan_do_recoverable_leak_check(), 0);
#endif
    }

private:
    // From the start menu to the end of problem 30, every answer right.
    static void playWholeCourse()
    {
        TestApp app;
        QuizDriver quiz(app);
        app.navigator.show(ScreenId::StartMenu);
        app.dialogs.inputAnswers = {QStringLiteral("zq")};
        app.navigator.currentScreen()->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        for (int p = 1; p <= 30; ++p) {
            QCOMPARE(int(app.course.problemNo), p);
            quiz.answerRight();
            quiz.next();
            if (p % 5 == 0 && p < 30) // what the roulette's "次へ" does
                app.navigator.show(p < 15 ? ScreenId::Stage1Quiz : ScreenId::Stage2Quiz);
        }
        QCOMPARE(app.navigator.currentId(), ScreenId::Roulette);
        QCOMPARE(quiz.savedFile().left(10), QByteArray("30,90000\r\n"));
        QCOMPARE(app.course.score, 90000.0);
        QVERIFY(!app.exitCode);
    }
};

QTEST_MAIN(CourseRepeatedTest)
#include "tst_course_repeated.moc"
