// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>

namespace piyota::teacher {

// The look of printed pages: text at 9 points, headings at 11, in the
// tables' font.
inline constexpr double kTextPoints = 9;
inline constexpr double kHeadingPoints = 11;

// The face of printed text (its size is set where it is drawn).
QFont printFont();

// Table rules and the shade of a table's heading row.
inline const QColor kRuleColour(120, 120, 120);
inline const QColor kHeadingShade(232, 232, 232);

} // namespace piyota::teacher
