// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h"

#include <vector>

// The stage-2 problems in their three groups of five, one source file each.
namespace piyota::content::stage2 {

// y = a(x − p)² + q: the shifts from y = ax², its vertex and axis.
std::vector<Problem> problems16To20();
// y = ax² + bx + c: the shifts from y = ax², its vertex and axis.
std::vector<Problem> problems21To25();
// Maximum and minimum values, and quadratic inequalities.
std::vector<Problem> problems26To30();

} // namespace piyota::content::stage2
