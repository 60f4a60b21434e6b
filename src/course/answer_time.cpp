// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answer_time.h"

#include <cmath>

namespace piyota {

namespace {
constexpr double kSecondsPerDay = 86400;
}

float wholeSecondsBetween(float started, float now)
{
    double elapsed = static_cast<double>(now) - static_cast<double>(started);
    if (elapsed < 0)
        elapsed += kSecondsPerDay;
    return static_cast<float>(std::floor(elapsed));
}

} // namespace piyota
