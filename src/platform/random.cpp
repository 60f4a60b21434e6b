// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random.h"

#include <bit>
#include <cstdint>

namespace piyota {

void SeededRandom::seed(float clockReading)
{
    engine_.seed(std::bit_cast<std::uint32_t>(clockReading));
}

float SeededRandom::next()
{
    // 24 random bits give every float of the form k / 2^24, all below 1.
    return static_cast<float>(engine_() >> 8) / 16777216.0f;
}

} // namespace piyota
