// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// The colours of the screens' 16-colour palette by their values, for tests
// to expect: the palette itself is pinned against these in tst_palette.
namespace piyota::testing::colours {

inline const QColor black(0, 0, 0);
inline const QColor green(0, 128, 0);
inline const QColor red(128, 0, 0);
inline const QColor lightBlue(0, 0, 255);
inline const QColor lightGreen(0, 255, 0);
inline const QColor lightRed(255, 0, 0);
inline const QColor white(255, 255, 255);

} // namespace piyota::testing::colours
