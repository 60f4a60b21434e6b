// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace piyota {

// The two Japanese faces of the program: a proportional gothic and a mincho,
// sized in points at 96 dots per inch so that text keeps its place in the
// twips layout whatever the screen's logical DPI. Each is the free font
// whose widths come closest to what the screens were laid out for, as
// tools/font_fit measures them: Monapo for the gothic, IPA Mincho for the
// mincho (the README lists the figures).
QFont gothicFont(double points, bool bold = false);
QFont minchoFont(double points, bool bold = false);

// The face of the teachers' tables, on the screen and on paper: Ume Gothic,
// whose full stop and comma tools/font_fit tells apart best at table size
// (Monapo's full stop reads as a comma there), its digits all one width.
QFont tableFont(double points);

} // namespace piyota
