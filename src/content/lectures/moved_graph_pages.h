// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lecture.h"

#include <QString>

// The pages that the lectures on a parabola moved along the axes (2 to 5)
// share: each example's graph is drawn in red, the graph of y = ax² it is
// moved from in blue, and the move read off the two formulas.
namespace piyota::content::moved {

// A formula line with a square: the exponent line over it, the print
// position after the exponent line, and the line itself.
struct Formula {
    QString exponentLine;
    double y;
    QString line;
};

// The first example: its formula line in red under its exponent line, what
// the given operations print after it in red, "…を描く。",
// "[次へ]をクリックするんじゃ!" and the doctor's speech lines.
Page firstExample(const QString &exponentLine, const QString &redFormula, const Page &moreInRed,
                  const QString &toDraw);

// The second example the same way, a line lower, on cleared panels, ending
// with "[次へ]をクリックするんじゃ！".
Page secondExample(const QString &exponentLine, const QString &redFormula, const Page &moreInRed,
                   const QString &toDraw);

// "次に、" on a line of its own, then the formula in blue and "　を描く。".
Page nextInBlue(const QString &next, const Formula &blue);

// The same where "次に、" begins the formula's own line.
Page nextInBlueOnOneLine(const Formula &blue);

// The graph of y = ax² that the example is moved from, in blue, over
// from..to on the red graph's scale.
Page blueGraph(draw::Curve curve, double from, double to);

// The example's formula in red, the axis word after it ("軸" or "の軸"), then
// "は、" the axis, "である。また、頂点の座標は" the vertex "である。".
Page axisOnTheYAxis(const Formula &red, const QString &axisWord, const QString &axis, const QString &vertex);

// How a graph is moved along one axis, on a cleared text panel: the
// example's formula in red "は、", the formula of y = ax² in blue, the word
// after it ("を"), the move in red, and the two lines that end the sentence.
Page movedAlongOneAxis(const Formula &red, const Formula &blue, const QString &object, const QString &move,
                       const QString &moved, const QString &ending);

} // namespace piyota::content::moved
