#pragma once

#include <initializer_list>

class QKeySequence;
class QPushButton;
class QWidget;

namespace piyota {

// Sets the tab order of a screen: Tab goes from each widget to the next one.
void chainTabOrder(std::initializer_list<QWidget *> widgets);

// Makes Return and Enter press the button while it has the focus, as Space
// does. A key held down presses it once: its repeats do not run on into the
// next screen. No button becomes a default that Enter presses while another
// widget has the focus.
void pressOnEnter(QPushButton *button);

// Makes a key of the window press the button, as a click would, while the
// button is enabled; a disabled button ignores its key.
void addPressKey(QWidget *window, const QKeySequence &key, QPushButton *button);

} // namespace piyota
