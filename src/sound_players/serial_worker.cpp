// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "serial_worker.h"

#include <system_error>

namespace piyota {

SerialWorker::SerialWorker()
{
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error &) {
        // No thread to be had: posted tasks are dropped (the program stays
        // silent rather than failing).
        closing_ = true;
    }
}

SerialWorker::~SerialWorker()
{
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void SerialWorker::post(Task task)
{
    {
        const std::lock_guard lock(mutex_);
        if (closing_)
            return;
        tasks_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void SerialWorker::run()
{
    for (;;) {
        Task task;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return closing_ || !tasks_.empty(); });
            if (tasks_.empty())
                return; // closing, and nothing left to do
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        try {
            task();
        } catch (...) {
            // A failed task must not take the worker (or the program) down.
        }
    }
}

} // namespace piyota
