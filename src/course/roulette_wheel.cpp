// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roulette_wheel.h"

#include <array>
#include <cstddef>

namespace piyota::roulette {

namespace {

constexpr double kFullTurn = 2 * kPi;
// The free spin wraps from the last cell (345 degrees) back to 0.
constexpr double kLastCellBound = kFullTurn - 0.5;
// A cell a rounding hair short of the stop counts as reaching it.
constexpr double kStopTolerance = 0.001;

constexpr std::array<int, kSectorCount> kPayouts{10000, 0, 5000, -10000, 30000, 0, 8000, 0};

} // namespace

double freeSpinStep(double ballAngle)
{
    return ballAngle < kLastCellBound ? ballAngle + kCellAngle : 0;
}

std::optional<double> runOutStep(double ballAngle, double stopDraw)
{
    if (ballAngle < (1 + stopDraw) * kFullTurn - kStopTolerance)
        return ballAngle + kCellAngle;
    return std::nullopt;
}

int payoutAt(double ballAngle)
{
    if (ballAngle >= kFullTurn)
        ballAngle -= kFullTurn;
    int sector = 0; // also above the last sector's end, just below a full turn
    for (int k = 0; k < kSectorCount; ++k) {
        if (k * kSectorAngle - kHalfCell <= ballAngle && ballAngle <= (k + 1) * kSectorAngle - kHalfCell) {
            sector = k;
            break;
        }
    }
    return kPayouts[static_cast<std::size_t>(sector)];
}

} // namespace piyota::roulette
