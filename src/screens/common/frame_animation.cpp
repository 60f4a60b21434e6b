// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame_animation.h"

#include <QWidget>

namespace piyota {

void alternateFrames(bool &blinkState, std::initializer_list<QWidget *> shownWhenSet,
                     std::initializer_list<QWidget *> shownWhenClear)
{
    for (QWidget *frame : shownWhenSet)
        frame->setVisible(blinkState);
    for (QWidget *frame : shownWhenClear)
        frame->setVisible(!blinkState);
    blinkState = !blinkState;
}

} // namespace piyota
