// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

namespace piyota {

// The classic 16-colour palette the screens name their colours by:
// 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 brown, 7 light grey,
// 8 grey, 9 light blue, 10 light green, 11 light cyan, 12 light red,
// 13 light magenta, 14 yellow, 15 white. Other numbers give black.
QColor paletteColor(int index);

} // namespace piyota
