// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakes/test_app.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

namespace piyota::testing {

// How a key held down repeats.
enum class KeyRepeats {
    FlaggedPairs,     // X11: a release and a press for each repeat, which Qt saw and flagged
    UnflaggedPairs,   // the same, at one time each, where Qt did not see the press waiting
    UnflaggedPresses, // presses alone, unflagged, as a keyboard that reports only them
};

// Uses the open screen with the keyboard alone. Each key goes as the window
// system delivers it: to the widget with the focus at that moment, or to
// the window's shortcuts; each event comes 30 ms after the one before.
class KeyboardStudent {
public:
    explicit KeyboardStudent(TestApp &app) : app_(app) {}

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        send(QEvent::KeyPress, key, modifiers);
        send(QEvent::KeyRelease, key, modifiers);
    }

    // A key pressed whose release reached no window of the program: the
    // window it went down in closed before the key came up.
    void pressReleaseLost(Qt::Key key) { send(QEvent::KeyPress, key, Qt::NoModifier); }

    // The student waits before the next key.
    void pause(ulong milliseconds) { time_ += milliseconds; }

    // A key held down: the repeated presses the keyboard sends after the first.
    void repeat(Qt::Key key, int times)
    {
        for (int i = 0; i < times; ++i)
            send(QEvent::KeyPress, key, Qt::NoModifier, true);
    }

    // A key pressed, held down for `repeats` repeats, and let go.
    void hold(Qt::Key key, KeyRepeats repeats, int times = 5, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        send(QEvent::KeyPress, key, modifiers);
        for (int i = 0; i < times; ++i) {
            const bool flagged = repeats == KeyRepeats::FlaggedPairs;
            if (repeats != KeyRepeats::UnflaggedPresses) {
                send(QEvent::KeyRelease, key, modifiers, flagged);
                time_ -= kStep; // the press comes at the very time of the release
            }
            send(QEvent::KeyPress, key, modifiers, flagged);
        }
        send(QEvent::KeyRelease, key, modifiers);
    }

    // The digit key of an answer button, on the main keys or the keypad.
    void pressDigit(int digit, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        press(static_cast<Qt::Key>(Qt::Key_0 + digit), modifiers);
    }

    // The object name of the widget with the keyboard focus.
    QString focused()
    {
        activeScreen();
        const QWidget *widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QString();
    }

private:
    static constexpr ulong kStep = 30;

    void send(QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false)
    {
        QWidget *screen = activeScreen();
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : screen;
        const char ascii = QTest::keyToAscii(key);
        const QString text = ascii ? QString(QLatin1Char(ascii)) : QString();
        QKeyEvent event(type, key, modifiers, text, autoRepeat);
        event.setTimestamp(time_ += kStep);
        QSpontaneKeyEvent::setSpontaneous(&event);
        // A shortcut of the window takes a press before the focused widget.
        if (type == QEvent::KeyPress
            && qt_sendShortcutOverrideEvent(target, event.timestamp(), key, modifiers, text, autoRepeat))
            return;
        QApplication::instance()->notify(target, &event);
    }

    // The window system makes a newly shown window the active one.
    QWidget *activeScreen()
    {
        QWidget *screen = app_.navigator.currentScreen();
        if (QApplication::activeWindow() != screen)
            QApplication::setActiveWindow(screen);
        return screen;
    }

    TestApp &app_;
    ulong time_ = 1000;
};

} // namespace piyota::testing
