// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "teaching_material.h"

#include "course_plan.h"

#include <QDateTime>

#include <optional>

namespace piyota::teacher {

// The problems of a stage (every problem when there is none) in answer
// layout `layout` (1..3) as a worksheet: each problem's question box as the
// quiz screen shows it on opening (its title, lines and exponents) beside
// its eight answers numbered as the buttons are, several to an A4 page;
// then, on a page of its own, the answer key: each problem with the number
// and the text of its correct answer.
TeachingMaterial problemWorksheet(int layout, std::optional<Stage> stage, const QDateTime &madeAt);

// An answer as the worksheet numbers it: "(3) ａ＝０".
QString numberedAnswer(int button, const QString &caption);

} // namespace piyota::teacher
