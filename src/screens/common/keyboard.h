// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <initializer_list>

class QKeySequence;
class QPushButton;
class QWidget;

namespace piyota {

// Sets the tab order of a screen: Tab goes from each widget to the next one.
void chainTabOrder(std::initializer_list<QWidget *> widgets);

// Makes Return and Enter press the button while it has the focus, as Space
// does. No button becomes a default that Enter presses while another widget
// has the focus. Any of these keys held down presses one button once (see
// HeldKeyGuard): its repeats press neither the button the focus moves to
// nor one in the next screen or dialog.
void pressOnEnter(QPushButton *button);

// Makes a key of the window press the button, as a click would, while the
// button is enabled; a disabled button ignores its key, and the key held
// down presses it once.
void addPressKey(QWidget *window, const QKeySequence &key, QPushButton *button);

} // namespace piyota
