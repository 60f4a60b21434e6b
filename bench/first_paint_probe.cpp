// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into a program, ends it once its first window has been painted and
// put on the screen, printing "first-paint <ns> cpu <ns>": the CLOCK_MONOTONIC
// time of that moment, and the CPU time the main thread had used by then
// (from its start, the loading of the libraries included). bench_processes
// starts the program and takes the difference: the time from process start
// to the first frame. The CPU time is the same figure without the waits for
// a processor that other work on the machine causes.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace piyota::bench {
namespace {

class FirstPaintProbe final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!seen_ && event->type() == QEvent::Paint) {
            const auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow()) {
                seen_ = true;
                // Queued: runs once the whole window is painted and flushed.
                QMetaObject::invokeMethod(this, &FirstPaintProbe::report, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    static long long nanoseconds(clockid_t clock)
    {
        timespec now{};
        clock_gettime(clock, &now);
        return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
    }

    static void report()
    {
        const long long cpu = nanoseconds(CLOCK_THREAD_CPUTIME_ID);
        std::printf("first-paint %lld cpu %lld\n", nanoseconds(CLOCK_MONOTONIC), cpu);
        std::fflush(stdout);
        std::_Exit(0); // the start-up is measured; the rest of the run is not
    }

    bool seen_ = false;
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe(QCoreApplication::instance()));
}

} // namespace
} // namespace piyota::bench

using piyota::bench::installProbe;
Q_COREAPP_STARTUP_FUNCTION(installProbe)
