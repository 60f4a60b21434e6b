// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace piyota::transcription {

// The value at x of a curve written as the lecture tables write it after
// "y =": numbers, x, + - * / ^ and brackets, with "^" binding tighter than
// a unary minus (-x ^ 2 is -(x²)) and a number or bracket next to x or a
// bracket multiplying it (2x, 2(x - 1)). Nothing for a formula that does
// not read.
std::optional<double> evaluateFormula(const QString &formula, double x);

} // namespace piyota::transcription
