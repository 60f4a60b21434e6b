// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h"

#include <QString>

#include <optional>

namespace piyota::content {

inline constexpr int kFirstProblem = 1;
inline constexpr int kLastProblem = 30;

// How a problem comes on screen: the quiz screen's activation presents it as
// the tables give it; "次へ" presents it with its few after-next differences.
enum class Presentation { OnActivation, AfterNext };

// The title line printed above every question: "　【問題１】" with
// full-width digits for 1 to 9, "　【問題10】" with half-width ones above.
QString problemTitle(int problem);

// Problem p (1..30) in layout k (1..3) as the given presentation shows it;
// nothing outside those ranges.
std::optional<ProblemLayout> presentedLayout(int problem, int layout, Presentation how);

// The answer key that both quiz screens judge against: the correct button
// (1..7) of problem p in layout k; nothing outside the key.
std::optional<int> correctButton(int problem, int layout);

} // namespace piyota::content
