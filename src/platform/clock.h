// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace piyota {

// The local clock as the course reads it: seconds since local midnight,
// fraction included, in single precision.
class Clock {
public:
    virtual ~Clock() = default;
    virtual float secondsSinceMidnight() const = 0;
};

class SystemClock final : public Clock {
public:
    float secondsSinceMidnight() const override;
};

} // namespace piyota
