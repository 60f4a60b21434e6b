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

// The parabola that every graph of this lecture draws: y = x² - 4x + 9.
double parabola(double x)
{
    return x * x - 4 * x + 9;
}

Page considerTheParabola()
{
    return considerTheGraph(u"          2"_s, u"　　ｙ＝ｘ   －４ｘ＋９"_s);
}

// Its vertex (2, 5) from the completed square: it opens upwards.
Page completingTheSquare()
{
    return {
        text(),
        squared(u"          2"_s, 2020, u"　　ｙ＝ｘ   －４ｘ＋９"_s),
        colour(12),
        squared(u"                  2"_s, 2330, u"　　　＝(ｘ－２)   ＋５"_s),
        colour(0),
        print(u"　　頂点が(２，５)で、"_s),
        print(u"　　下に凸の放物線になるので、"_s),
    };
}

} // namespace

// Lecture 10: quadratic inequalities whose parabola misses the x axis (problem 30).
Lecture lecture10()
{
    return {
        .number = 10,
        .firstProblem = 30,
        .lastProblem = 30,
        // Introduction: example 1: x² - 4x + 9 > 0
        .introduction = firstExample(u"        2"_s, u"　　　ｘ   －４ｘ＋９＞０"_s),
        .pages = {
            // Page 1: consider the graph of y = x² - 4x + 9
            considerTheParabola(),
            // Page 2: completing the square: (x - 2)² + 5, vertex (2, 5)
            completingTheSquare(),
            // Page 3: the graph, red throughout
            graphOnAxes(
                {
                    y(57),
                    x(1),
                    atColumn(10, u"y"_s),
                    colour(12),
                    squared(u"            2"_s, 360, u"　　 ｙ＝ｘ   －４ｘ＋９ のグラフ"_s),
                    colour(0),
                    newLine(4),
                    atColumn(3, u"                                       x"_s),
                    atColumn(3, u"                   2                    "_s),
                },
                {-3, 40, 7}, {plot(parabola, -2.8, 6.8, 0.001, 12)}),
            // Page 4: the whole graph lies above the x axis
            {
                graph(),
                y(-1),
                newLine(),
                x(-3),
                print(u"　　この２次不等式を満たす範囲は"_s),
                colour(12),
                x(-3),
                printOn(u"　ｘ軸より上"_s),
                colour(0),
                print(u"になるので、グラフ上の"_s),
                x(-3),
                colour(12),
                printOn(u"　全ての部分(赤の部分)"_s),
                colour(0),
                print(u"になる。"_s),
                colour(0),
            },
            // Page 5: answer: all real numbers
            answerFromTheRedPart(-3, -23, u"　　(答え)  全ての実数"_s),
            // Page 6: example 2: x² - 4x + 9 < 0
            nextExample(u" 【例題２】"_s, u"        2"_s, u"　　　ｘ   －４ｘ＋９＜０"_s),
            // Page 7: consider the graph of y = x² - 4x + 9
            considerTheParabola(),
            // Page 8: completing the square: (x - 2)² + 5, vertex (2, 5)
            completingTheSquare(),
            // Page 9: the graph in black
            graphOnTheXAxis(0.3, u"ｙ＝ｘ   －４ｘ＋９ のグラフ"_s, u"                          x"_s, parabola, 0),
            // Page 10: no part of the graph lies below the x axis
            holdsNowhere(-3, u"　ｘ軸より下"_s),
            // Page 11: answer: no solution
            {
                graph(),
                x(-3),
                y(-23),
                x(-3),
                newLine(),
                print(u"　　(答え)  解なし"_s),
                colour(0),
            },
            // Page 12: example 3: -x² + 4x - 9 ≤ 0
            nextExample(u" 【例題３】"_s, u"           2"_s, u"　　　－ｘ   ＋４ｘ－９≦０"_s),
            // Page 13: both sides times -1: x² - 4x + 9 ≥ 0
            {
                text(),
                print(u" ＜考え方＞"_s),
                colour(12),
                print(u"　　両辺に－１を掛けて、"_s),
                colour(9),
                squaredOn(u"        2"_s, 1490, u"　　　ｘ   －４ｘ＋９≧０"_s),
                colour(0),
                print(u"　を解く。"_s),
            },
            // Page 14: completing the square: (x - 2)² + 5, vertex (2, 5)
            {
                text(),
                colour(12),
                squared(u"          2"_s, 1800, u"　　ｙ＝ｘ   －４ｘ＋９　のグラフ"_s),
                colour(0),
                squared(u"          2"_s, 2110, u"　　ｙ＝ｘ   －４ｘ＋９"_s),
                squared(u"                  2"_s, 2420, u"　　　＝(ｘ－２)   ＋５"_s),
                colour(0),
                print(u"　  頂点が(２，５）で、"_s),
                print(u"　　下に凸の放物線になるので、"_s),
            },
            // Page 15: the graph, red throughout
            graphOnTheXAxis(0.2, u"ｙ＝ｘ   －４ｘ＋９ のグラフ"_s, u"                           x"_s, parabola, 12),
            // Page 16: the whole graph lies on and above the x axis
            holdsOn(-3, u"　ｘ軸と、ｘ軸より上"_s, u"　グラフの全部(赤い部分)"_s),
            // Page 17: answer: all real numbers
            answerFromTheRedPart(-3, -23, u"　　(答え)  全ての実数"_s),
        },
    };
}

} // namespace piyota::content
