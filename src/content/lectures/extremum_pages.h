// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lecture.h"

#include <QString>

#include <initializer_list>
#include <optional>

// The pages that the lectures on a quadratic function's maximum and minimum
// (6 and 7) share: each example is stated, its square completed, its vertex
// and opening named, its graph drawn and the extremes read off it.
namespace piyota::content::extremum {

// "【例題N】 次の２次関数の最大値と 最小値を求めてみよう。" and the
// function: its formula line under its exponent line.
Page statement(const QString &title, const QString &exponentLine, const draw::Print &formula);

// The same on cleared panels, for an example after the first.
Page nextStatement(const QString &title, const QString &exponentLine, const draw::Print &formula);

// A line of a completed square: the exponent line and the formula line
// under it.
struct SquareLine {
    QString exponentLine;
    QString line;
};

// "＜考え方＞" on the text panel's next line, then the square completed line
// by line: the first line printed at firstY, each next one 310 lower.
Page completingTheSquare(double firstY, std::initializer_list<SquareLine> lines);

// The same, "＜考え方＞" on the line the text panel is at.
Page completingTheSquareOnThisLine(double firstY, std::initializer_list<SquareLine> lines);

// The vertex and which way the parabola opens, in red.
Page vertexAndOpening(const QString &vertex, const QString &opening);

// The extremes read off the graph: the reason in red, then the maximum and
// the minimum in blue, printed from x = -3 (and y, where given).
Page extremes(std::optional<double> y, const QString &reason, const QString &maximum, const QString &minimum);

} // namespace piyota::content::extremum
