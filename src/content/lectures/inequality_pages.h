// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lecture.h"

#include <QString>

#include <initializer_list>
#include <optional>

// The pages that the lectures on quadratic inequalities (8 to 10) share:
// each example is stated, its parabola considered, the graph drawn, the
// range where the inequality holds read off the graph, and the answer given.
namespace piyota::content::inequality {

// "【例題１】 次の２次不等式を解け。" and the inequality, as an introduction
// ends: with the doctor's greeting.
Page firstExample(const QString &exponentLine, const QString &inequality);

// A further example ("【例題２】"...), on cleared panels.
Page nextExample(const QString &title, const QString &exponentLine, const QString &inequality);

// "＜考え方＞": the parabola of the formula, in red, is considered.
Page considerTheGraph(const QString &exponentLine, const QString &formula);

// Solving the equation gives where the parabola meets the x axis: the
// equation in red, the parabola's formula, the meeting points and, in red,
// the conclusion.
Page meetingTheXAxis(const QString &equationExponent, const QString &equation, const QString &formulaExponent,
                     const QString &formula, const QString &meeting, const QString &conclusion);

// The graph of a parabola with its vertex near (2, 0) on the scale
// (-3, 40)-(7, -40): the y label at yLabelX, the formula label, the x axis
// label line, the curve in its colour, and any marks drawn after it.
Page graphOnTheXAxis(double yLabelX, const QString &formula, const QString &xAxisLabels, draw::Curve curve,
                     int colour, std::initializer_list<CanvasOp> marks = {});

// "この２次不等式を満たす範囲は" the part of the plane, in red,
// "になるので、" the part of the graph, in red, "になる。"; printed from x.
Page holdsOn(double x, const QString &where, const QString &part);

// The same where no part of the graph lies there: "グラフ上にはない。".
Page holdsNowhere(double x, const QString &where);

// The answer, printed from x (and y, where given), after two lines of
// reasoning in blue.
Page answer(double x, std::optional<double> y, const QString &reasoning, const QString &moreReasoning,
            const QString &result);

// The answer read from the red part of the graph.
Page answerFromTheRedPart(double x, std::optional<double> y, const QString &result);

} // namespace piyota::content::inequality
