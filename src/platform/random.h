// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <random>

namespace piyota {

// A pseudo-random generator that the course seeds from a clock reading
// before each draw it makes.
class Random {
public:
    virtual ~Random() = default;
    virtual void seed(float clockReading) = 0;
    // A number in [0, 1).
    virtual float next() = 0;
};

class SeededRandom final : public Random {
public:
    void seed(float clockReading) override;
    float next() override;

private:
    std::mt19937 engine_;
};

} // namespace piyota
