// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canvas.h"

#include <QWidget>

namespace piyota::bench {

// Paints the canvases of a screen at once, as the next frame would after
// something was drawn into them.
inline void repaintCanvases(QWidget &screen)
{
    for (Canvas *canvas : screen.findChildren<Canvas *>())
        canvas->repaint();
}

} // namespace piyota::bench
