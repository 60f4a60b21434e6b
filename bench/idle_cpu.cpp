// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// CPU time of the real program while a screen is left idle: each screen is
// opened, left to settle, then the process's CPU time (all threads: the
// animation timers, the sound threads) is read over a stretch of idle time.
// Prints one line per screen: "idle <screen> <percent of one core>".
#include "real_program.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace piyota::bench {
namespace {

constexpr int kSettleMs = 2000;
constexpr int kMeasuredMs = 5000;
constexpr int kLongestSongMs = 35000; // the songs last about 30 s

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the event loop for a while, as the program does between clicks (a
// polling wait would add its own wake-ups to what is measured).
void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void measureIdle(RealProgram &program, ScreenId screen, const char *name, int settleMs = kSettleMs)
{
    program.navigator.show(screen);
    runEventLoop(settleMs);
    QElapsedTimer wall;
    wall.start();
    const double before = cpuSeconds();
    runEventLoop(kMeasuredMs);
    const double used = cpuSeconds() - before;
    std::printf("idle %s %.2f\n", name, 100.0 * used / (double(wall.elapsed()) / 1000.0));
    std::fflush(stdout);
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

    // A student on problem 1, as the start menu leaves them.
    program.course.startFresh();
    program.course.userCode = QStringLiteral("zq");
    if (!program.progress.saveProgress(program.course)) {
        std::fprintf(stderr, "idle_cpu: cannot write a progress file in the working directory\n");
        return 1;
    }

    measureIdle(program, ScreenId::Title, "title");
    measureIdle(program, ScreenId::Title, "title-after-its-music", kLongestSongMs);
    measureIdle(program, ScreenId::StartMenu, "start-menu");
    measureIdle(program, ScreenId::Stage1Quiz, "quiz");
    measureIdle(program, ScreenId::Lecture, "lecture");
    measureIdle(program, ScreenId::Roulette, "roulette");
    measureIdle(program, ScreenId::History, "history");
    program.navigator.endProgram(0);
    return 0;
}
