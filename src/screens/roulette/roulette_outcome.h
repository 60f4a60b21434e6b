#pragma once

#include <optional>

namespace piyota::roulette {

// The ball's way round the wheel and what its resting place is worth. Angles
// are `ballAngle` values: radians counter-clockwise from east.

// One tick of the free spin: the next cell centre, back to 0 after the last.
double freeSpinStep(double ballAngle);

// One tick of the run-out that Stop starts with `stopDraw` in [0, 1): the
// next cell centre, or nothing once the ball has reached its resting place,
// the first cell at or past (1 + stopDraw) x 2 pi (less a hair). From any
// cell of the first turn that is one of the 24 cells of the second turn, each
// equally likely.
std::optional<double> runOutStep(double ballAngle, double stopDraw);

struct Outcome {
    int sector;      // 0..7, counter-clockwise from the one around east
    int scoreChange; // -10000 .. +30000
};

// The sector a ball at rest lies in, counted after one full turn, and its
// change of the score. A ball at a full turn, or a rounding hair below it,
// lies in sector 0.
Outcome outcomeAt(double ballAngle);

} // namespace piyota::roulette
