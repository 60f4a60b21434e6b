// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serial_worker.h"

#include <QTest>

#include <atomic>
#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace piyota;

class TestSerialWorker : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void runsTasksInOrderOffTheCallersThread()
    {
        std::vector<int> order;
        std::mutex mutex;
        std::atomic<bool> otherThread{true};
        const auto caller = std::this_thread::get_id();
        {
            SerialWorker worker;
            for (int i = 0; i < 100; ++i) {
                worker.post([&, i] {
                    if (std::this_thread::get_id() == caller)
                        otherThread = false;
                    const std::lock_guard lock(mutex);
                    order.push_back(i);
                });
            }
        } // the destructor runs what was posted
        QCOMPARE(int(order.size()), 100);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(order[std::size_t(i)], i);
        QVERIFY(otherThread);
    }

    void postReturnsWhileATaskIsBusy()
    {
        // The flag outlives the worker: its destructor waits for the busy task.
        std::atomic<bool> release{false};
        SerialWorker worker;
        worker.post([&] {
            while (!release)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        });
        const auto start = std::chrono::steady_clock::now();
        worker.post([] {});
        const bool returnedWhileBusy = std::chrono::steady_clock::now() - start < std::chrono::seconds(1);
        release = true;
        QVERIFY(returnedWhileBusy);
    }

    void aThrowingTaskDoesNotStopTheWorker()
    {
        std::atomic<bool> ran{false};
        {
            SerialWorker worker;
            worker.post([] { throw std::runtime_error("no"); });
            worker.post([&] { ran = true; });
        }
        QVERIFY(ran);
    }
};

QTEST_GUILESS_MAIN(TestSerialWorker)
#include "tst_serial_worker.moc"
