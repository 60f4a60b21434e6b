// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole course through the real program: the title, the start menu, then
// every problem answered wrong first, its lecture read to the end, and
// answered right; the roulette played after every group, and the history
// board at the end. Prints "peak-rss-kib <n>" at the end; bench_processes compares it
// with the minimal Qt program.
#include "real_program.h"

#include "course.h"

#include <sys/resource.h>

#include <cstdio>

namespace piyota::bench {
namespace {

// More presses of "次へ" than any lecture has pages.
constexpr int kMostLecturePages = 40;
constexpr int kFreeSpinMs = 1000;
constexpr int kLongestRunOutMs = 30000;

QString answerButton(int number)
{
    return QStringLiteral("Command%1").arg(number);
}

void solveWithLecture(RealProgram &program)
{
    CourseState &course = program.course;
    const int right = content::correctButton(course.problemNo, course.layoutNo).value_or(1);
    program.click(answerButton(right == 1 ? 2 : 1));
    program.click(QStringLiteral("Command9")); // HELP
    for (int k = 0; k < kMostLecturePages && program.navigator.currentId() == ScreenId::Lecture; ++k)
        program.click(QStringLiteral("Command1")); // 次へ
    program.click(answerButton(right));
    program.click(QStringLiteral("Command11")); // 次へ
}

// Start, Stop after a moment of free spin, and "次へ" once the ball rests.
bool playRoulette(RealProgram &program)
{
    program.click(QStringLiteral("Command1"));
    QTest::qWait(kFreeSpinMs);
    program.click(QStringLiteral("Command2"));
    QPushButton *next = program.button(QStringLiteral("Command3"));
    if (!next || !QTest::qWaitFor([next] { return next->isEnabled(); }, kLongestRunOutMs))
        return false;
    program.click(QStringLiteral("Command3"));
    return true;
}

} // namespace
} // namespace piyota::bench

int main(int argc, char *argv[])
{
    using namespace piyota;
    using namespace piyota::bench;

    QApplication application(argc, argv);
    RealProgram::prepareApplication(application);
    RealProgram program;
    program.dialogs.inputAnswers = {QStringLiteral("zq")};

    program.navigator.show(ScreenId::Title);
    program.settle();
    program.click(QStringLiteral("Command1")); // 次へ
    program.click(QStringLiteral("Command1")); // 初めからやる
    for (int problem = content::kFirstProblem; problem <= content::kLastProblem; ++problem) {
        if (program.course.problemNo != problem) {
            std::fprintf(stderr, "course_run: expected problem %d, the course is at %d\n", problem,
                         int(program.course.problemNo));
            return 1;
        }
        solveWithLecture(program);
        if (program.navigator.currentId() == ScreenId::Roulette && !playRoulette(program)) {
            std::fprintf(stderr, "course_run: the roulette after problem %d did not come to rest\n", problem);
            return 1;
        }
    }
    if (program.navigator.currentId() != ScreenId::History) {
        std::fprintf(stderr, "course_run: the course did not end on the history board\n");
        return 1;
    }
    program.navigator.endProgram(0);
    program.settle();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak-rss-kib %ld\n", usage.ru_maxrss);
    return 0;
}
