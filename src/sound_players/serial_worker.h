// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace piyota {

// Runs tasks one after another, in the order they were posted, on a thread of
// its own, so that slow work never holds up the thread that posts it.
class SerialWorker {
public:
    using Task = std::function<void()>;

    SerialWorker();
    // Runs the tasks already posted, then ends the thread.
    ~SerialWorker();

    SerialWorker(const SerialWorker &) = delete;
    SerialWorker &operator=(const SerialWorker &) = delete;

    void post(Task task);

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Task> tasks_;
    bool closing_ = false;
    std::thread thread_;
};

} // namespace piyota
