#pragma once

#include "fakes/test_app.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWindow>

namespace piyota::testing {

// Uses the open screen with the keyboard alone. Each key goes to the
// screen's window as the window system delivers it: to the widget with the
// focus, or to the window's shortcuts.
class KeyboardStudent {
public:
    explicit KeyboardStudent(TestApp &app) : app_(app) {}

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(activeScreen()->windowHandle(), key, modifiers);
    }

    // A key held down: the repeated presses the keyboard sends after the first.
    void repeat(Qt::Key key, int times)
    {
        for (int i = 0; i < times; ++i) {
            QWidget *screen = activeScreen();
            QWidget *focused = QApplication::focusWidget();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(focused ? focused : screen, &press);
        }
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
    // The window system makes a newly shown window the active one.
    QWidget *activeScreen()
    {
        QWidget *screen = app_.navigator.currentScreen();
        if (QApplication::activeWindow() != screen)
            QApplication::setActiveWindow(screen);
        return screen;
    }

    TestApp &app_;
};

} // namespace piyota::testing
