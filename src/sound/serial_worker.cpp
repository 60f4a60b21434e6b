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

void SerialWorker::watchWhileIdle(std::chrono::milliseconds interval, std::function<bool()> check)
{
    {
        const std::lock_guard lock(mutex_);
        watchInterval_ = interval;
        watch_ = std::move(check);
        ++watchGeneration_;
    }
    wake_.notify_one();
}

// Called with the lock held, when the watch is due; runs it without the lock.
void SerialWorker::runWatch(std::unique_lock<std::mutex> &lock)
{
    const unsigned generation = watchGeneration_;
    const std::function<bool()> check = watch_;
    lock.unlock();
    bool again = false;
    try {
        again = check();
    } catch (...) {
    }
    lock.lock();
    if (!again && generation == watchGeneration_)
        watch_ = nullptr;
}

void SerialWorker::run()
{
    for (;;) {
        Task task;
        {
            std::unique_lock lock(mutex_);
            const auto ready = [this] { return closing_ || !tasks_.empty(); };
            while (!ready()) {
                if (!watch_)
                    wake_.wait(lock, [&] { return ready() || watch_; });
                else if (!wake_.wait_for(lock, watchInterval_, ready))
                    runWatch(lock);
            }
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
