// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <initializer_list>

class QWidget;

namespace piyota {

// One tick of a two-frame character animation: while the flag is set the
// first frames show and the second ones hide, otherwise the other way round;
// then the flag is inverted.
void alternateFrames(bool &blinkState, std::initializer_list<QWidget *> shownWhenSet,
                     std::initializer_list<QWidget *> shownWhenClear);

} // namespace piyota
