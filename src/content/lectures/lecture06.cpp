// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "extremum_pages.h"
#include "lecture_set.h"
#include "page_parts.h"

namespace piyota::content {

using namespace Qt::StringLiterals;
using namespace op;
using namespace extremum;

// Lecture 6: maximum and minimum of a quadratic function (problem 26).
Lecture lecture6()
{
    return {
        .number = 6,
        .firstProblem = 26,
        .lastProblem = 26,
        // Introduction: example 1: maximum and minimum of y = x² - 4x - 1
        .introduction = joined(statement(u" 【例題１】"_s, u"          2"_s, {u"　　ｙ＝ｘ   －４ｘ－１"_s}), {
                                   print(u"　[次へ]をクリックするんじゃ!"_s),
                                   speech(),
                                   speechLines(),
                               }),
        .pages = {
            // Page 1: completing the square: (x - 2)² - 5
            completingTheSquare(1970, {
                                          {u"        2"_s, u"　ｙ＝ｘ  －４ｘ－１"_s},
                                          {u"                2"_s, u"　　＝(ｘ－２)   －４－１"_s},
                                          {u"                2"_s, u"　　＝(ｘ－２)   －５ と変形できる。"_s},
                                      }),
            // Page 2: vertex (2, -5), opening upwards
            vertexAndOpening(u"　　頂点が(２，－５)で、"_s, u"　下に凸の放物線になるので、"_s),
            // Page 3: the graph of y = x² - 4x - 1
            graphOnAxes({y(57), x(1), atColumn(13, u"y"_s), newLine(5), atColumn(19, u"2                   x"_s), newLine(),
                         print(u"          -5"_s)},
                        {-3, 40, 7}, {plot([](double x) { return x * x - 4 * x - 1; }, -2.8, 6.8, 0.01, 12)}),
            // Page 4: answer: no maximum, minimum -5 at x = 2
            extremes({}, u" グラフより、"_s, u"　　最大値 なし"_s, u"　　最小値 －５ (ｘ＝２のとき)"_s),
            // Page 5: example 2: y = -x² + 4x + 1
            nextStatement(u" 【例題２】"_s, u"             2"_s, {u"　　ｙ＝－ｘ   ＋４ｘ＋１"_s}),
            // Page 6: completing the square: -(x - 2)² + 5
            completingTheSquare(1710, {
                                          {u"           2"_s, u"　ｙ＝－ｘ   ＋４ｘ＋１"_s},
                                          {u"             2"_s, u"　　＝－(ｘ   －４ｘ)＋１"_s},
                                          {u"                    2"_s, u"　　＝－{(ｘ－２)   －４}＋１"_s},
                                          {u"                   2"_s, u"　　＝－(ｘ－２)   ＋５ より、"_s},
                                      }),
            // Page 7: vertex (2, 5), opening downwards
            vertexAndOpening(u"　　頂点が(２，５)で、"_s, u"　上に凸の放物線になるので、"_s),
            // Page 8: the graph of y = -x² + 4x + 1
            {
                graph(),
                y(40),
                x(0.5),
                print(u"y"_s),
                newLine(5),
                x(-0.5),
                print(u"5"_s),
                newLine(),
                atColumn(8, u"2                   x"_s),
                newLine(),
                scale(-3, 40, 7, -40),
                line(-2.9, 0, 6.9, 0, 0),
                line(0, 39, 0, -39, 0),
                plot([](double x) { return -(x * x) + 4 * x + 1; }, -2.8, 6.8, 0.01, 12),
            },
            // Page 9: answer: maximum 5 at x = 2, no minimum
            extremes(-18, u" グラフより、"_s, u"　　最大値 ５ (ｘ＝２のとき)"_s, u"　　最小値 なし"_s),
        },
    };
}

} // namespace piyota::content
