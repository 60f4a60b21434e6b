// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "held_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>

namespace piyota {

namespace {

// Longer than any keyboard's wait before it starts repeating a held key
// (half a second to two thirds of one on the common desktops), so a press
// after this long is never a repeat.
constexpr ulong kLongestRepeatGapMs = 1000;

} // namespace

HeldKeyGuard::HeldKeyGuard(QObject *application)
    : QObject(application)
{
    application->installEventFilter(this);
}

HeldKeyGuard &HeldKeyGuard::instance()
{
    static QPointer<HeldKeyGuard> guard;
    if (!guard)
        guard = new HeldKeyGuard(QCoreApplication::instance());
    return *guard;
}

void HeldKeyGuard::watch(int key)
{
    HeldKeyGuard &guard = instance();
    if (!guard.keys_.contains(key))
        guard.keys_.insert(key, {});
}

// A press reaches the filter more than once: first as the question whether
// a shortcut may take it, then, unless one did, as the press itself, each
// time for the widget and for the widgets it goes on to. Every delivery
// carries the time of the press and gets the verdict of the first.
bool HeldKeyGuard::dropsPress(const QKeyEvent &press)
{
    KeyState &state = keys_[press.key()];
    if (press.isAutoRepeat()) {
        state.pressedAt = press.timestamp();
        return true;
    }
    if (state.judgedPressAt != press.timestamp()) {
        // A time of 0 is a press made up by a program, which says nothing.
        const bool timed = press.timestamp() != 0;
        const bool atRelease = timed && state.releasedAt == press.timestamp();
        const bool releaseLost =
            timed && state.pressedAt && press.timestamp() > *state.pressedAt + kLongestRepeatGapMs;
        state.judgedRepeat = (state.down && !releaseLost) || atRelease;
        state.judgedPressAt = press.timestamp();
        state.pressedAt = press.timestamp();
        state.down = true;
    }
    return state.judgedRepeat;
}

bool HeldKeyGuard::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto *press = static_cast<QKeyEvent *>(event);
        if (!keys_.contains(press->key()) || !dropsPress(*press))
            return false;
        event->accept(); // as an override: no shortcut takes it
        return true;
    }
    case QEvent::KeyRelease: {
        const auto *release = static_cast<QKeyEvent *>(event);
        if (release->isAutoRepeat() || !keys_.contains(release->key()))
            return false;
        KeyState &state = keys_[release->key()];
        state.down = false;
        state.releasedAt = release->timestamp();
        state.judgedPressAt.reset();
        return false;
    }
    case QEvent::ApplicationStateChange:
        // A key let go while another program had the keyboard is never
        // seen released here.
        if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
            for (KeyState &state : keys_)
                state.down = false;
        }
        return false;
    default:
        return false;
    }
}

} // namespace piyota
