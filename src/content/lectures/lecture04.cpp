// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_set.h"
#include "moved_graph_pages.h"
#include "page_parts.h"

namespace piyota::content {

using namespace Qt::StringLiterals;
using namespace op;
using namespace moved;

// Lecture 4: the graph of y = a(x - p)² + q (problems 16 to 20).
Lecture lecture4()
{
    return {
        .number = 4,
        .firstProblem = 16,
        .lastProblem = 20,
        // Introduction: y = 2(x - 2)² + 5 in red
        .introduction = firstExample(u"                  2"_s,
                                     u"　　ｙ＝２(ｘ-２)   ＋５ のグラフ"_s, {printOn(u"　(赤色)"_s)}, u"を描く。"_s),
        .pages = {
            // Page 1: the graph of y = 2(x - 2)² + 5
            graphOnAxes({atColumn(18, u"y"_s), newLine(5), atColumn(18, u"5                   x"_s), newLine(),
                         atColumn(18, u"          2"_s)},
                        {-5, 50, 5}, {plot([](double x) { return 2 * (x - 2) * (x - 2) + 5; }, -2.6, 4.8, 0.01, 12)}),
            // Page 2: next, y = 2x² in blue
            nextInBlue(u"　　次に、"_s, {u"            2"_s, 1560, u"　　ｙ＝２ｘ   のグラフ(青色)"_s}),
            // Page 3: the graph of y = 2x²
            blueGraph([](double x) { return 2 * x * x; }, -4.8, 4.8),
            // Page 4: the axis x = 2, drawn in green, and the vertex (2, 5)
            {
                text(),
                newLine(),
                colour(12),
                squared(u"                   2"_s, 2335, u"　　ｙ＝２(ｘ－２)   ＋５ のグラフ"_s),
                colour(0),
                printOn(u"　の軸の方程式は "_s),
                colour(2),
                print(u"ｘ＝２ (緑色) "_s),
                colour(0),
                print(u"　である。また、頂点の座標は"_s),
                graph(),
                line(2, 48, 2, -48, 2),
                text(),
                colour(12),
                printOn(u"　（２，５）"_s),
                colour(0),
                print(u"である。"_s),
            },
            // Page 5: y = 2(x - 2)² + 5 is y = 2x² moved by +2 along x and +5 along y
            {
                text(),
                clear(),
                newLine(),
                colour(12),
                squared(u"                   2"_s, 320, u"　　ｙ＝２(ｘ－２)   ＋５ の"_s),
                printOn(u"　グラフ（赤色）"_s),
                colour(0),
                print(u"は、"_s),
                colour(9),
                squaredOn(u"            2"_s, 900, u"　　ｙ＝２ｘ   の"_s),
                printOn(u"　グラフ(青色)"_s),
                colour(0),
                print(u"を"_s),
                colour(12),
                print(u"　　　ｘ軸方向に＋２､"_s),
                print(u"  　　ｙ軸方向に＋５、"_s),
                colour(0),
                printOn(u"　 平行移動"_s),
                print(u"したものになっている。"_s),
            },
            // Page 6: second example: y = -(x + 2)² - 7
            secondExample(u"                    2"_s,
                          u"　　ｙ＝－(ｘ＋２)   －７ の"_s, {printOn(u"　グラフ（赤色）"_s)}, u"を描く。"_s),
            // Page 7: the graph of y = -(x + 2)² - 7
            graphOnAxes({y(57), x(1), atColumn(2, u"y"_s), newLine(5), x(-2.5), print(u"-2                           x"_s),
                         newLine(2), atColumn(2, u"-7"_s)},
                        {-5, 30, 5}, {plot([](double x) { return -1 * (x + 2) * (x + 2) - 7; }, -4.8, 2.6, 0.01, 12)}),
            // Page 8: next, y = -x² in blue
            nextInBlue(u"　　次に、"_s, {u"             2"_s, 1530, u"　　ｙ＝－ｘ   のｸﾞﾗﾌ(青色)"_s}),
            // Page 9: the graph of y = -x²
            blueGraph([](double x) { return -1 * x * x; }, -4.8, 4.8),
            // Page 10: the axis x = -2, drawn in green, and the vertex (-2, -7)
            {
                text(),
                colour(12),
                squared(u"                    2"_s, 2150, u"  　ｙ＝－(ｘ＋２)   －７ のグラフ"_s),
                colour(0),
                print(u"　の軸の方程式は"_s),
                colour(2),
                printOn(u"　ｘ＝－２ (緑色) "_s),
                colour(0),
                print(u"である。また、"_s),
                graph(),
                line(-2, 28, -2, -28, 2),
                text(),
                printOn(u"　頂点の座標は"_s),
                colour(12),
                printOn(u"（－２，－７）"_s),
                colour(0),
                print(u"で"_s),
                print(u"  ある｡"_s),
            },
            // Page 11: y = -(x + 2)² - 7 is y = -x² moved by -2 along x and -7 along y
            {
                text(),
                clear(),
                newLine(),
                colour(12),
                squared(u"                    2"_s, 320, u"  　ｙ＝－(ｘ＋２)   －７ の"_s),
                printOn(u"　グラフ(赤色)"_s),
                colour(0),
                print(u"は、"_s),
                colour(9),
                squaredOn(u"             2"_s, 860, u"　　ｙ＝－ｘ   の"_s),
                printOn(u"グラフ(青色)"_s),
                colour(0),
                print(u"を"_s),
                colour(12),
                print(u"　　　ｘ軸方向に－２、"_s),
                print(u"　　　ｙ軸方向に－７"_s),
                colour(0),
                printOn(u"　平行移動"_s),
                print(u"したものになっている｡"_s),
            },
            // Page 12: summary of y = a(x - p)² + q
            {
                text(),
                clear(),
                newLine(),
                squared(u"                  2"_s, 320, u" 【ｙ＝ａ(ｘ－ｐ)   ＋ｑ"_s),
                print(u"   　　　　　　      ｸﾞﾗﾌのまとめ】"_s),
                newLine(),
                printOn(u"　　軸の方程式は "_s),
                colour(12),
                printOn(u"ｘ＝ｐ "_s),
                colour(0),
                print(u"である。"_s),
                printOn(u"　また、頂点の座標は"_s),
                colour(12),
                print(u"（ｐ，ｑ）"_s),
                colour(0),
                print(u"　である。"_s),
                newLine(),
                squared(u"                   2"_s, 2020, u"　　ｙ＝ａ(ｘ－ｐ)   ＋ｑ のグラフ"_s),
                squaredOn(u"               2"_s, 2330, u"　は、ｙ＝ａｘ   のグラフを"_s),
                colour(12),
                print(u"ｘ軸方"_s),
                print(u"　向に＋ｐ、ｙ軸方向に＋ｑだけ、"_s),
                colour(0),
                print(u"  平行移動したものである｡"_s),
                print(u"  "_s),
            },
        },
    };
}

} // namespace piyota::content
