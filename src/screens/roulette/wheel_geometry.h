// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "roulette_wheel.h"

#include <QPointF>

#include <cmath>

namespace piyota::roulette {

// The wheel as it is drawn, in wheel units: the canvas's inner area is
// 640 x 400 of them, x to the right and y downwards from its top-left corner.
// Its cells and sectors are the rules' (roulette_wheel.h).
inline constexpr double kCanvasWidth = 640;
inline constexpr double kCanvasHeight = 400;
inline constexpr QPointF kCentre{320, 200};
inline constexpr double kInnerRadius = 140; // the disc with the sectors
inline constexpr double kOuterRadius = 180; // the ring of cells around it
inline constexpr double kTrackRadius = 160; // where the ball runs
inline constexpr double kBallRadius = 10;

// The point at an angle (radians, counter-clockwise from east) and a distance
// from the centre. Screen y grows downwards.
inline QPointF wheelPoint(double angle, double radius)
{
    return {kCentre.x() + radius * std::cos(angle), kCentre.y() - radius * std::sin(angle)};
}

} // namespace piyota::roulette
