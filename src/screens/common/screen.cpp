// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen.h"

#include "app_context.h"
#include "navigation.h"

#include <QCloseEvent>

namespace piyota {

Screen::Screen(AppContext &app)
    : app_(app)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void Screen::closeForSwitch()
{
    closingForSwitch_ = true;
    close();
}

void Screen::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!closingForSwitch_)
        app_.navigation.endProgram(0);
}

} // namespace piyota
