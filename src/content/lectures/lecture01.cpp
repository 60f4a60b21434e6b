// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_set.h"
#include "page_parts.h"

namespace piyota::content {

using namespace Qt::StringLiterals;
using namespace op;

// Lecture 1: the graphs of y = ax² (problems 1 to 5).
Lecture lecture1()
{
    return {
        .number = 1,
        .firstProblem = 1,
        .lastProblem = 5,
        // Introduction: y = 3x², 2x² and x² all open upwards
        .introduction = {
            text(),
            newLine(),
            colour(12),
            squared(u"          2"_s, 330, u"　ｙ＝３ｘ   のグラフ(赤色)"_s),
            colour(2),
            squared(u"          2"_s, 640, u"　ｙ＝２ｘ   のグラフ(緑色)"_s),
            colour(9),
            squared(u"        2"_s, 950, u"　ｙ＝ｘ   のグラフ  (青色)"_s),
            colour(0),
            print(u"  　これらのグラフを描くと、"_s),
            printOn(u"  　全て、"_s),
            colour(12),
            printOn(u"下に凸"_s),
            colour(0),
            print(u"のグラフになる。"_s),
            speech(),
            speechLines(),
        },
        .pages = {
            // Page 1: the graphs of y = x², 2x² and 3x²
            graphOnAxes(
                {
                    atColumn(18, u"y"_s),
                    colour(12),
                    squared(u"              2"_s, 300, u"　　　　y=3x"_s),
                    colour(2),
                    squared(u"       2"_s, 610, u" y=2x"_s),
                    newLine(),
                    colour(9),
                    squared(u"     2"_s, 1140, u" y=x"_s),
                    colour(0),
                    newLine(),
                    atColumn(32, u"     x"_s),
                },
                {-4, 30, 4},
                {
                    plot([](double x) { return x * x; }, -3, 3, 0.01, 9),
                    plot([](double x) { return 2 * x * x; }, -3, 3, 0.01, 2),
                    plot([](double x) { return 3 * x * x; }, -3, 3, 0.01, 12),
                }),
            // Page 2: y = -x², -2x² and -3x² all open downwards
            {
                text(),
                newLine(),
                colour(9),
                squared(u"           2"_s, 1905, u"　ｙ＝－ｘ   のグラフ  (青色)"_s),
                colour(2),
                squared(u"             2"_s, 2215, u"　ｙ＝－２ｘ   のグラフ(緑色)"_s),
                colour(12),
                squared(u"             2"_s, 2525, u"　ｙ＝－３ｘ   のグラフ(赤色)"_s),
                colour(0),
                print(u"  　これらのグラフを描くと、"_s),
                printOn(u"  　全て、"_s),
                colour(12),
                printOn(u"上に凸"_s),
                colour(0),
                print(u"のグラフになる。"_s),
            },
            // Page 3: the graphs of y = -x², -2x² and -3x²
            {
                graph(),
                newLine(8),
                colour(9),
                squared(u"                  2"_s, -7, u"　　　　　　y=-x"_s),
                newLine(),
                colour(2),
                squared(u"                    2"_s, -17, u"　　　　　　y=-2x"_s),
                colour(12),
                squared(u"                  2"_s, -23, u"　　      y=-3x"_s),
                colour(0),
                plot([](double x) { return -(x * x); }, -3, 3, 0.01, 9),
                plot([](double x) { return -2 * x * x; }, -3, 3, 0.01, 2),
                plot([](double x) { return -3 * x * x; }, -3, 3, 0.01, 12),
            },
            // Page 4: the axis: the y axis, x = 0
            {
                text(),
                clear(),
                newLine(),
                print(u"　　これらのグラフは、ｙ軸に関し"_s),
                print(u"　て対称になっている。この対称"_s),
                printOn(u"　軸のことを単に"_s),
                colour(12),
                printOn(u"軸"_s),
                colour(0),
                print(u"と言い、これ"_s),
                printOn(u"　らグラフの軸は全て、"_s),
                colour(12),
                printOn(u"ｙ軸"_s),
                colour(0),
                print(u"である。"_s),
                printOn(u"　　ｙ軸を方程式にすると "_s),
                colour(12),
                print(u"ｘ＝０ "_s),
                colour(0),
                print(u"　である。"_s),
            },
            // Page 5: the vertex: the origin
            {
                text(),
                clear(),
                newLine(),
                printOn(u"　　軸とグラフの交点を"_s),
                colour(12),
                printOn(u"頂点"_s),
                colour(0),
                print(u"と言"_s),
                print(u"　い、これらグラフの頂点は、全て"_s),
                colour(12),
                printOn(u"　原点（０，０）"_s),
                colour(0),
                print(u"である。"_s),
            },
            // Page 6: summary of y = ax²
            {
                text(),
                clear(),
                newLine(),
                squared(u"           2"_s, 350, u" 【ｙ＝ａｘ   ｸﾞﾗﾌのまとめ】"_s),
                colour(12),
                print(u"　　ａ＞０のとき、下に凸のグラフ"_s),
                colour(0),
                print(u"　になり、ａが大きくなるにつれ"_s),
                printOn(u"　て、グラフの広がりは"_s),
                colour(12),
                print(u"狭くなる。"_s),
                newLine(),
                print(u"　　ａ<０のとき、上に凸のグラフ"_s),
                colour(0),
                print(u"　になり、ａが小さくなるにつれて、"_s),
                printOn(u"　グラフの広がりは"_s),
                colour(12),
                print(u"狭くなる。"_s),
                colour(0),
                newLine(),
                print(u"　　ａの値に関係なく、"_s),
                colour(12),
                print(u"　軸は ｘ＝０ (ｙ軸)であり、"_s),
                print(u"　頂点は原点（０，０）である。"_s),
                colour(0),
            },
        },
    };
}

} // namespace piyota::content
