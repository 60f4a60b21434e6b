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

// Every example of this lecture is about y = x² - 4x + 4.
double parabola(double x)
{
    return x * x - 4 * x + 4;
}

Page considerTheParabola()
{
    return considerTheGraph(u"          2"_s, u"　　ｙ＝ｘ   －４ｘ＋４"_s);
}

Page touchingTheXAxis()
{
    return meetingTheXAxis(u"      2"_s, u"　　ｘ   －４ｘ＋４＝０ "_s, u"         2"_s, u"　 ｙ＝ｘ   －４ｘ＋４ のグラフと"_s,
                           u"　ｘ軸との交点を求めると、ｘ＝２。"_s, u"　よって、ｘ＝２ で ｘ軸に接する。"_s);
}

Page graphOfTheParabola(int colour, std::initializer_list<CanvasOp> marks = {})
{
    return graphOnTheXAxis(0.2, u"ｙ＝ｘ   －４ｘ＋４ のグラフ"_s, u"                           x"_s, parabola, colour, marks);
}

} // namespace

// Lecture 9: quadratic inequalities whose parabola touches the x axis (problem 29).
Lecture lecture9()
{
    return {
        .number = 9,
        .firstProblem = 29,
        .lastProblem = 29,
        // Introduction: example 1: x² - 4x + 4 > 0
        .introduction = firstExample(u"        2"_s, u"　　　ｘ   －４ｘ＋４＞０"_s),
        .pages = {
            // Page 1: consider the graph of y = x² - 4x + 4
            considerTheParabola(),
            // Page 2: it touches the x axis at x = 2
            touchingTheXAxis(),
            // Page 3: the graph, red except at the circled point of contact
            graphOnAxes(
                {
                    y(57),
                    x(1),
                    atColumn(10, u"y"_s),
                    newLine(),
                    colour(12),
                    squared(u"          2"_s, 590, u"　　ｙ＝ｘ   －４ｘ＋４ のグラフ"_s),
                    colour(0),
                    newLine(3),
                    atColumn(3, u"                                       x"_s),
                    atColumn(3, u"                   2                    "_s),
                    newLine(),
                },
                {-3, 40, 7},
                {plot(parabola, -2.8, 6.8, 0.01, 10), plot(parabola, -2.8, 1.9, 0.001, 12),
                 plot(parabola, 2.1, 6.8, 0.001, 12), circle(2, 0, 0.1, 9)}),
            // Page 4: the red part lies above the x axis
            holdsOn(-3, u"　ｘ軸より上"_s, u"　グラフの赤い部分"_s),
            // Page 5: answer: x < 2, 2 < x
            answerFromTheRedPart(-3, -23, u"　　(答え)  ｘ＜２ ， ２＜ｘ"_s),
            // Page 6: example 2: x² - 4x + 4 ≥ 0
            nextExample(u" 【例題２】"_s, u"        2"_s, u"　　　ｘ   －４ｘ＋４≧０"_s),
            // Page 7: consider the graph of y = x² - 4x + 4
            considerTheParabola(),
            // Page 8: it touches the x axis at x = 2
            touchingTheXAxis(),
            // Page 9: the graph, red throughout
            graphOfTheParabola(12),
            // Page 10: the red part lies on and above the x axis
            holdsOn(-3, u"　ｘ軸と、ｘ軸より上"_s, u"　グラフの赤い部分"_s),
            // Page 11: answer: all real numbers
            answerFromTheRedPart(-3, -23, u"　　(答え)  全ての実数"_s),
            // Page 12: example 3: x² - 4x + 4 ≤ 0
            nextExample(u" 【例題３】"_s, u"        2"_s, u"　　　ｘ   －４ｘ＋４≦０"_s),
            // Page 13: consider the graph of y = x² - 4x + 4
            considerTheParabola(),
            // Page 14: it touches the x axis at x = 2
            touchingTheXAxis(),
            // Page 15: the graph in black, the point of contact marked red
            graphOfTheParabola(0, {circle(2, 0, 0.1, 12), circle(2, 0, 0.05, 12), circle(2, 0, 0.01, 12)}),
            // Page 16: the red part lies on and below the x axis
            holdsOn(-3, u"　ｘ軸と、ｘ軸より下"_s, u"　グラフの赤い部分"_s),
            // Page 17: answer: x = 2
            answer(-3, -23, u"　　 よって、グラフの赤い部分は"_s, u"　 ただ１点だけである。"_s, u"　　(答え)  ｘ＝２"_s),
            // Page 18: example 4: x² - 4x + 4 < 0
            nextExample(u" 【例題４】"_s, u"        2"_s, u"　　　ｘ   －４ｘ＋４＜０"_s),
            // Page 19: consider the graph of y = x² - 4x + 4
            considerTheParabola(),
            // Page 20: it touches the x axis at x = 2
            touchingTheXAxis(),
            // Page 21: the graph in black
            graphOfTheParabola(0),
            // Page 22: no part of the graph lies below the x axis
            holdsNowhere(-3, u"　ｘ軸より下"_s),
            // Page 23: answer: no solution
            {
                graph(),
                newLine(),
                print(u"　　(答え)  解なし"_s),
                colour(0),
            },
        },
    };
}

} // namespace piyota::content
