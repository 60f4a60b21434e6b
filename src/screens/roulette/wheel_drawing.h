// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>

class QFont;

namespace piyota {

class Surface;

namespace roulette {

// The font the sector labels are printed in. Their lines and columns are
// fixed, so the font's size decides where they land: this one puts each
// label inside its own sector.
QFont labelFont();

// The labels of the sectors, printed as thirteen lines from the canvas's
// top-left corner at their text columns. A label whose ink would come within
// two pixels of the wheel's circles or lines moves towards the middle of its
// sector until it keeps that gap. The canvas must measure in wheel units,
// with the wheel drawn or to be drawn.
void printSectorLabels(Surface &canvas);

// The wheel, all in black: the disc and ring circles as single points, the
// 24 cell boundaries across the ring and the 8 sector boundaries in the disc.
// The canvas must measure in wheel units.
void drawWheel(Surface &canvas);

// A filled disc of the ball's size. Painted in the canvas's background
// colour, it erases the ball and nothing else.
void paintBall(Surface &canvas, QPointF centre, int paletteIndex);

} // namespace roulette
} // namespace piyota
