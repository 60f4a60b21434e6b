// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inequality_pages.h"
#include "lecture_set.h"
#include "page_parts.h"

namespace piyota::content {

using namespace Qt::StringLiterals;
using namespace op;
using namespace inequality;

namespace {

// Both examples of this lecture are about y = 2x² + x - 3.
double parabola(double x)
{
    return 2 * x * x + x - 3;
}

Page considerTheParabola()
{
    return considerTheGraph(u"            2"_s, u"　　ｙ＝２ｘ   ＋ｘ－３"_s);
}

// The roots, with the parabola's formula as the page prints it.
Page itsRoots(const QString &formula)
{
    return meetingTheXAxis(u"        2"_s, u"　　２ｘ   ＋ｘ－３＝０ "_s, u"           2"_s, formula,
                           u"　ｘ軸との交点を求めると、"_s, u"　　ｘ＝－３／２ ， １"_s);
}

} // namespace

// Lecture 8: quadratic inequalities with two roots (problem 28).
Lecture lecture8()
{
    return {
        .number = 8,
        .firstProblem = 28,
        .lastProblem = 28,
        // Introduction: example 1: 2x² + x - 3 ≥ 0
        .introduction = firstExample(u"          2"_s, u"　　　２ｘ   ＋ｘ－３≧０"_s),
        .pages = {
            // Page 1: consider the graph of y = 2x² + x - 3
            considerTheParabola(),
            // Page 2: its roots: x = -3/2 and 1
            itsRoots(u"　 ｙ＝２ｘ   ＋ｘ－３ のグラフと"_s),
            // Page 3: the graph, red on and above the x axis
            graphOnAxes(
                {
                    y(57),
                    x(1),
                    atColumn(20, u"y"_s),
                    colour(12),
                    squared(u"             2"_s, 360, u"　　 ｙ＝２ｘ   ＋ｘ－３ のグラフ"_s),
                    colour(0),
                    newLine(5),
                    atColumn(3, u"          -3/2       1               x"_s),
                    newLine(),
                },
                {-5, 40, 5},
                {plot(parabola, -4.8, 4.3, 0.01, 10), plot(parabola, -4.8, -1.5, 0.001, 12),
                 plot(parabola, 1, 4.3, 0.001, 12)}),
            // Page 4: the red part is where the inequality holds
            holdsOn(-5, u"　ｘ軸と、ｘ軸より上"_s, u"　グラフの赤い部分"_s),
            // Page 5: answer: x ≤ -3/2, 1 ≤ x
            answerFromTheRedPart(-5, {}, u"　　ｘ≦－３／２ ， １≦ｘ"_s),
            // Page 6: example 2: 2x² + x - 3 < 0
            nextExample(u" 【例題２】"_s, u"          2"_s, u"　　　２ｘ   ＋ｘ－３＜０"_s),
            // Page 7: consider the graph of y = 2x² + x - 3
            considerTheParabola(),
            // Page 8: its roots: x = -3/2 and 1
            itsRoots(u"　 ｙ＝２ｘ  ＋ｘ－３ のグラフと"_s),
            // Page 9: the graph, red below the x axis
            graphOnAxes(
                {
                    y(40),
                    x(0.2),
                    print(u"y"_s),
                    colour(12),
                    x(-5),
                    squaredAt(u"             2"_s, -5, 33, u"　　 ｙ＝２ｘ   ＋ｘ－３ のグラフ"_s),
                    y(33),
                    x(-5),
                    colour(0),
                    newLine(5),
                    x(-2.1),
                    print(u"-3/2       1              x"_s),
                    newLine(2),
                },
                {-5, 40, 5}, {plot(parabola, -4.8, 4.3, 0.01, 10), plot(parabola, -1.5, 1, 0.001, 12)}),
            // Page 10: the red part is where the inequality holds
            holdsOn(-5, u"　ｘ軸より下"_s, u"　グラフの赤い部分"_s),
            // Page 11: answer: -3/2 < x < 1
            answerFromTheRedPart(-5, {}, u"　－３／２＜ｘ＜１"_s),
        },
    };
}

} // namespace piyota::content
