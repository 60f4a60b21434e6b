// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace piyota::roulette {

// The roulette's wheel as the rules see it: a ring of 24 cells of 15 degrees
// around 8 sectors of 45 degrees, each sector worth a change of the score.
// Angles are `ballAngle` values: radians counter-clockwise from east,
// measured with the course's own value of pi.

inline constexpr double kPi = 3.141592;
inline constexpr int kCellCount = 24;
inline constexpr int kSectorCount = 8;
inline constexpr double kCellAngle = kPi / 12;
inline constexpr double kSectorAngle = kPi / 4;
// Cell and sector boundaries lie half a cell before each cell centre.
inline constexpr double kHalfCell = kPi / 24;

// One tick of the free spin: the next cell centre, back to 0 after the last.
double freeSpinStep(double ballAngle);

// One tick of the run-out that Stop starts with `stopDraw` in [0, 1): the
// next cell centre, or nothing once the ball has reached its resting place,
// the first cell at or past (1 + stopDraw) x 2 pi (less a hair). From any
// cell of the first turn that is one of the 24 cells of the second turn, each
// equally likely.
std::optional<double> runOutStep(double ballAngle, double stopDraw);

// What a ball at rest adds to the score: the payout of the sector it lies
// in (counted after one full turn), the sectors counter-clockwise from the
// one around east paying 10000, 0, 5000, -10000, 30000, 0, 8000 and 0. A
// ball at a full turn, or a rounding hair below it, lies in the first.
int payoutAt(double ballAngle);

} // namespace piyota::roulette
