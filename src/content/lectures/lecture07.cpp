// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "extremum_pages.h"
#include "lecture_set.h"
#include "page_parts.h"

namespace piyota::content {

using namespace Qt::StringLiterals;
using namespace op;
using namespace extremum;

namespace {

// Examples 2 and 3: y = -2x² + 8x - 3 on a range.
double parabola(double x)
{
    return -2 * x * x + 8 * x - 3;
}

Page exampleOnARange(const QString &title, const QString &range)
{
    return joined(nextStatement(title, u"              2"_s, {u"　 ｙ＝－２ｘ   ＋８ｘ－３"_s}),
                  {colour(12), print(range), colour(0)});
}

// The square completed, its third line as the page prints it.
Page itsSquareCompleted(const QString &thirdLine)
{
    return completingTheSquareOnThisLine(1710, {
                                                   {u"             2"_s, u"　ｙ＝－２ｘ   ＋８ｘ－３"_s},
                                                   {u"               2"_s, u"　　＝－２(ｘ   －４ｘ)－３"_s},
                                                   {u"                      2"_s, thirdLine},
                                                   {u"                     2"_s, u"　　＝－２(ｘ－２)   ＋５ より、"_s},
                                               });
}

// The graph with the piece over the range, from..to, in red.
Page graphWithAPiece(const QString &xAxisLabels, double from, double to)
{
    return {
        graph(),
        y(40),
        x(0.5),
        print(u"y"_s),
        newLine(5),
        x(-0.5),
        print(u"5"_s),
        newLine(),
        atColumn(8, xAxisLabels),
        newLine(),
        print(u" -13"_s),
        scale(-3, 40, 7, -40),
        line(-2.9, 0, 6.9, 0, 0),
        line(0, 39, 0, -39, 0),
        plot(parabola, -2.8, 6.8, 0.01, 10),
        plot(parabola, from, to, 0.001, 12),
    };
}

} // namespace

// Lecture 7: maximum and minimum on a range of x (problem 27).
Lecture lecture7()
{
    return {
        .number = 7,
        .firstProblem = 27,
        .lastProblem = 27,
        // Introduction: example 1: y = 2x² - 8x + 3 on -2 ≤ x ≤ 1
        .introduction = joined(statement(u" 【例題１】"_s, u"           2"_s, {u"　 ｙ＝２ｘ  －８ｘ＋３ "_s, true}), {
                                   colour(12),
                                   print(u"(－２≦ｘ≦１)"_s),
                                   colour(0),
                                   speech(),
                                   speechLines(),
                               }),
        .pages = {
            // Page 1: completing the square: 2(x - 2)² - 5
            completingTheSquare(1710, {
                                          {u"          2"_s, u"　ｙ＝２ｘ  －８ｘ＋３"_s},
                                          {u"            2"_s, u"　　＝２(ｘ   －４ｘ)＋３"_s},
                                          {u"                   2"_s, u"　　＝２{(ｘ－２)   －４}＋３"_s},
                                          {u"                  2"_s, u"　　＝２(ｘ－２)   －５ より"_s},
                                      }),
            // Page 2: vertex (2, -5), opening upwards
            vertexAndOpening(u"　　頂点が(２，－５)で、"_s, u"　下に凸の放物線になるので、"_s),
            // Page 3: the graph, with the piece over -2 ≤ x ≤ 1 in red
            graphOnAxes({y(57), x(1), atColumn(13, u"y"_s), newLine(), atColumn(13, u"27"_s), newLine(3),
                         atColumn(3, u"-2                2                  x"_s), newLine(), print(u"          -5"_s)},
                        {-3, 40, 7},
                        {plot([](double x) { return 2 * x * x - 8 * x + 3; }, -2.8, 6.8, 0.01, 10),
                         plot([](double x) { return 2 * x * x - 8 * x + 3; }, -2, 1, 0.001, 12)}),
            // Page 4: answer: maximum 27 at x = -2, minimum -3 at x = 1
            extremes(-15, u" グラフの範囲は赤の部分より、"_s, u"　　最大値 ２７ (ｘ＝－２のとき)"_s, u"　　最小値 －３ (ｘ＝１のとき)"_s),
            // Page 5: example 2: y = -2x² + 8x - 3 on -1 ≤ x ≤ 3
            exampleOnARange(u" 【例題２】"_s, u"　 　　　　　　　　　　　(－１≦ｘ≦３)"_s),
            // Page 6: completing the square: -2(x - 2)² + 5
            itsSquareCompleted(u"　　＝－２{(ｘ－２)   －４}－３"_s),
            // Page 7: vertex (2, 5), opening downwards
            vertexAndOpening(u"　　頂点が(２，５)で、"_s, u"　上に凸の放物線になるので、"_s),
            // Page 8: the graph, with the piece over -1 ≤ x ≤ 3 in red
            graphWithAPiece(u"2                   x"_s, -1, 3),
            // Page 9: answer: maximum 5 at x = 2, minimum -13 at x = -1
            extremes(-20, u" グラフの範囲は赤の部分より、"_s, u"　　最大値 　５ (ｘ＝２のとき)"_s, u"　　最小値 －１３ (ｘ＝－１のとき)"_s),
            // Page 10: example 3: the same function on 3 ≤ x ≤ 5
            exampleOnARange(u" 【例題３】"_s, u"　 　　　　　　　　　　　(３≦ｘ≦５)"_s),
            // Page 11: completing the square
            itsSquareCompleted(u"　　＝－２{(ｘ－２)  －４}－３"_s),
            // Page 12: vertex (2, 5), opening downwards
            vertexAndOpening(u"　　頂点が(２，５)で、"_s, u"　上に凸の放物線になるので、"_s),
            // Page 13: the graph, with the piece over 3 ≤ x ≤ 5 in red
            graphWithAPiece(u"2           5      x"_s, 3, 5),
            // Page 14: answer: maximum 3 at x = 3, minimum -13 at x = 5
            extremes(-20, u" グラフの範囲は赤の部分より、"_s, u"　　最大値 　３ (ｘ＝３のとき)"_s, u"　　最小値 －１３ (ｘ＝５のとき)"_s),
        },
    };
}

} // namespace piyota::content
