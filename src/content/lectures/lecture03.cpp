// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_set.h"
#include "moved_graph_pages.h"
#include "page_parts.h"

namespace piyota::content {

using namespace Qt::StringLiterals;
using namespace op;
using namespace moved;

// Lecture 3: the graph of y = a(x - p)² (problems 11 to 15).
Lecture lecture3()
{
    return {
        .number = 3,
        .firstProblem = 11,
        .lastProblem = 15,
        // Introduction: y = 2(x - 2)² in red
        .introduction = firstExample(u"                  2"_s, u"　　ｙ＝２(ｘ-２)   のグラフ(赤色)"_s, {}, u"　を描く。"_s),
        .pages = {
            // Page 1: the graph of y = 2(x - 2)²
            graphOnAxes({atColumn(18, u"y"_s), newLine(5), atColumn(36, u"x"_s), newLine(), atColumn(27, u"2"_s)},
                        {-5, 50, 5}, {plot([](double x) { return 2 * (x - 2) * (x - 2); }, -2.8, 4.8, 0.01, 12)}),
            // Page 2: next, y = 2x² in blue
            nextInBlue(u"　　次に、"_s, {u"            2"_s, 1560, u"　　ｙ＝２ｘ   のグラフ(青色)"_s}),
            // Page 3: the graph of y = 2x²
            blueGraph([](double x) { return 2 * x * x; }, -4.8, 4.8),
            // Page 4: the axis x = 2, drawn in green, and the vertex (2, 0)
            {
                text(),
                newLine(),
                colour(12),
                squaredOn(u"                   2"_s, 2335, u"　　ｙ＝２(ｘ－２)   のグラフ"_s),
                colour(0),
                print(u"の軸"_s),
                printOn(u"　の方程式は"_s),
                colour(2),
                printOn(u" ｘ＝２ (緑色)"_s),
                colour(0),
                print(u"であ"_s),
                printOn(u"　る。また、頂点の座標は"_s),
                colour(12),
                print(u"（２，０）"_s),
                colour(0),
                graph(),
                line(2, 48, 2, -48, 2),
                text(),
                print(u"　である。"_s),
            },
            // Page 5: y = 2(x - 2)² is y = 2x² moved by +2 along the x axis
            movedAlongOneAxis({u"                   2"_s, 330, u"　　ｙ＝２(ｘ－２)   のグラフ（赤色）"_s},
                              {u"            2"_s, 900, u"　　ｙ＝２ｘ   のグラフ(青色)"_s}, u" を"_s,
                              u"　ｘ軸方向に＋２だけ"_s, u"、平行移動"_s, u"  したものになっている。"_s),
            // Page 6: second example: y = -(x + 2)²
            secondExample(u"                    2"_s, u"　　ｙ＝－(ｘ＋２)   のｸﾞﾗﾌ（赤色）"_s, {}, u"　を描く。"_s),
            // Page 7: the graph of y = -(x + 2)²
            graphOnAxes({y(57), x(1), atColumn(2, u"y"_s), newLine(5), x(-2.5), printOn(u"-2"_s), atColumn(17, u"x"_s)},
                        {-5, 30, 5}, {plot([](double x) { return -1 * (x + 2) * (x + 2); }, -4.8, 3.3, 0.01, 12)}),
            // Page 8: next, y = -x² in blue
            nextInBlue(u"  　次に、"_s, {u"             2"_s, 1530, u"　　ｙ＝－ｘ   のｸﾞﾗﾌ(青色)"_s}),
            // Page 9: the graph of y = -x²
            blueGraph([](double x) { return -1 * x * x; }, -4.8, 4.8),
            // Page 10: the axis x = -2, drawn in green, and the vertex (-2, 0)
            {
                text(),
                newLine(),
                colour(12),
                squaredOn(u"                    2"_s, 2300, u"  　ｙ＝－(ｘ＋２)   のｸﾞﾗﾌ"_s),
                colour(0),
                print(u"の軸"_s),
                printOn(u"　の方程式は "_s),
                colour(2),
                print(u" ｘ＝－２ (緑色) "_s),
                colour(0),
                print(u"　である。また、頂点の座標は"_s),
                graph(),
                line(-2, 28, -2, -28, 2),
                text(),
                colour(12),
                printOn(u"　（－２，０）"_s),
                colour(0),
                print(u"である。"_s),
            },
            // Page 11: y = -(x + 2)² is y = -x² moved by -2 along the x axis
            movedAlongOneAxis({u"                    2"_s, 320, u"  　ｙ＝－(ｘ＋２)   のｸﾞﾗﾌ(赤色)"_s},
                              {u"             2"_s, 860, u"　　ｙ＝－ｘ   のｸﾞﾗﾌ(青色) "_s}, u"を"_s,
                              u"　ｘ軸方向に－２だけ"_s, u"、平行移動"_s, u"　したものになっている。"_s),
            // Page 12: summary of y = a(x - p)²
            {
                text(),
                clear(),
                newLine(),
                squared(u"                  2"_s, 320, u" 【ｙ＝ａ(ｘ－ｐ)   ｸﾞﾗﾌのまとめ】"_s),
                newLine(),
                printOn(u"　　軸の方程式は "_s),
                colour(12),
                printOn(u"ｘ＝ｐ "_s),
                colour(0),
                print(u"である。"_s),
                printOn(u"　また、頂点の座標は"_s),
                colour(12),
                print(u"（ｐ，０）"_s),
                colour(0),
                print(u"　である。"_s),
                newLine(),
                squared(u"                   2"_s, 1810, u"　　ｙ＝ａ(ｘ－ｐ)   のグラフは、"_s),
                squaredOn(u"          2"_s, 2120, u"　ｙ＝ａｘ   のグラフを"_s),
                colour(12),
                print(u"ｘ軸方向"_s),
                printOn(u"　に＋ｐだけ"_s),
                colour(0),
                print(u"、平行移動したもの"_s),
                print(u"  である。"_s),
            },
        },
    };
}

} // namespace piyota::content
