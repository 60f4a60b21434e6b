// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "first_frame.h"

#include <QCoreApplication>
#include <QEvent>

#include <utility>

namespace piyota {

namespace {

// Watches the application's events for the first window exposed. A window
// paints its exposed contents while it handles that event, so the task is
// queued behind it.
class FirstFrameWatcher final : public QObject {
public:
    explicit FirstFrameWatcher(std::function<void()> task)
        : QObject(QCoreApplication::instance())
        , task_(std::move(task))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType() && task_) {
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(this, [this] {
                std::exchange(task_, nullptr)();
                deleteLater();
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> task_;
};

} // namespace

void runAfterFirstFrame(std::function<void()> task)
{
    new FirstFrameWatcher(std::move(task));
}

} // namespace piyota
