// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h"

#include <vector>

// The stage-1 problems in their three groups of five, one source file each.
namespace piyota::content::stage1 {

// y = ax²: which way it opens, its width, vertex and axis.
std::vector<Problem> problems1To5();
// y = ax² + q: the shift along the y axis, its vertex and axis.
std::vector<Problem> problems6To10();
// y = a(x − p)²: the shift along the x axis, its vertex and axis.
std::vector<Problem> problems11To15();

} // namespace piyota::content::stage1
