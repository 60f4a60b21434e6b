// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

// What the questions and the lectures print: text lines, and formula lines
// with squares, whose exponent digits stand in a line of their own above.
namespace piyota::content {

// A literal printed where the current point is, then a new line; or,
// continued, staying on the line after it.
struct Print {
    QString text;
    bool continued = false;
};

// A formula line with squares, as the tables print it: first the digit line
// of its exponents, where the current point is, then the formula line from
// the print position set after it (y, and x where given). The formula line
// leaves a gap of half-width spaces where each digit belongs, so the two
// are one item: each digit is placed over its own gap.
struct Squared {
    QString exponentLine; // spaces and digits
    double y;
    Print line;
    std::optional<double> x;
};

} // namespace piyota::content
