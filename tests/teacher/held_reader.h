// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "class_folder.h"

#include <condition_variable>
#include <mutex>

namespace piyota::testing {

// Reads progress files as readProgressFileAt() does, but each read waits until
// the test lets it go: a folder on a slow network.
class HeldReader {
public:
    // The reader to hand over; this object must outlive the readings.
    teacher::ProgressFileReader reader()
    {
        return [this](int folder, const QByteArray &name) {
            std::unique_lock lock(mutex_);
            ++reads_;
            changed_.notify_all();
            changed_.wait(lock, [this] { return released_; });
            lock.unlock();
            return readProgressFileAt(folder, name);
        };
    }

    // Waits until `count` reads have begun; false after five seconds.
    bool awaitReads(int count)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return reads_ >= count; });
    }

    void release()
    {
        const std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

    int reads()
    {
        const std::lock_guard lock(mutex_);
        return reads_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int reads_ = 0;
    bool released_ = false;
};

} // namespace piyota::testing
