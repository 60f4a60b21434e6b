#pragma once

#include <QPointF>

#include <cmath>

namespace piyota::roulette {

// The course's own value of pi: every angle of the wheel is measured with it.
inline constexpr double kPi = 3.141592;

// The wheel in wheel units: the canvas's inner area is 640 x 400 of them,
// x to the right and y downwards from its top-left corner.
inline constexpr double kCanvasWidth = 640;
inline constexpr double kCanvasHeight = 400;
inline constexpr QPointF kCentre{320, 200};
inline constexpr double kInnerRadius = 140; // the disc with the sectors
inline constexpr double kOuterRadius = 180; // the ring of cells around it
inline constexpr double kTrackRadius = 160; // where the ball runs
inline constexpr double kBallRadius = 10;

// 24 cells of 15 degrees in the ring, 8 sectors of 45 degrees in the disc;
// their boundaries lie half a cell before each cell centre.
inline constexpr int kCellCount = 24;
inline constexpr int kSectorCount = 8;
inline constexpr double kCellAngle = kPi / 12;
inline constexpr double kSectorAngle = kPi / 4;
inline constexpr double kHalfCell = kPi / 24;

// The point at an angle (radians, counter-clockwise from east) and a distance
// from the centre. Screen y grows downwards.
inline QPointF wheelPoint(double angle, double radius)
{
    return {kCentre.x() + radius * std::cos(angle), kCentre.y() - radius * std::sin(angle)};
}

} // namespace piyota::roulette
