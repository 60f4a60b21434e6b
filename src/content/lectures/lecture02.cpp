// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_set.h"
#include "moved_graph_pages.h"
#include "page_parts.h"

namespace piyota::content {

using namespace Qt::StringLiterals;
using namespace op;
using namespace moved;

// Lecture 2: the graph of y = ax² + c (problems 6 to 10).
Lecture lecture2()
{
    return {
        .number = 2,
        .firstProblem = 6,
        .lastProblem = 10,
        // Introduction: y = 2x² + 3 in red
        .introduction = firstExample(u"            2"_s, u"　　ｙ＝２ｘ   ＋３ のグラフ(赤色)"_s, {}, u"　を描く。"_s),
        .pages = {
            // Page 1: the graph of y = 2x² + 3
            graphOnAxes({atColumn(18, u"y"_s), newLine(5), atColumnOn(18, u"3"_s), atColumn(32, u"x"_s)}, {-4, 30, 4},
                        {plot([](double x) { return 2 * x * x + 3; }, -3, 3, 0.01, 12)}),
            // Page 2: next, y = 2x² in blue
            nextInBlue(u"　次に、"_s, {u"            2"_s, 1530, u"　　ｙ＝２ｘ   のグラフ(青色)"_s}),
            // Page 3: the graph of y = 2x²
            blueGraph([](double x) { return 2 * x * x; }, -3, 3),
            // Page 4: axis and vertex of y = 2x² + 3
            axisOnTheYAxis({u"            2"_s, 2300, u"　　ｙ＝２ｘ   ＋３ のグラフの"_s}, u"軸"_s, u"ｙ軸（ｘ＝０）"_s,
                           u"（０，３）"_s),
            // Page 5: y = 2x² + 3 is y = 2x² moved by +3 along the y axis
            movedAlongOneAxis({u"            2"_s, 320, u"　　ｙ＝２ｘ   ＋３ のグラフ（赤色）"_s},
                              {u"            2"_s, 855, u"　　ｙ＝２ｘ   のグラフ(青色)"_s}, u"　を"_s,
                              u"　　ｙ軸方向に＋３だけ、"_s, u"平行移"_s, u"  動したものになっている。"_s),
            // Page 6: second example: y = -2x² - 5
            secondExample(u"               2"_s, u"　　ｙ＝－２ｘ   －５ のｸﾞﾗﾌ（赤色）"_s, {}, u"　を描く。"_s),
            // Page 7: the graph of y = -2x² - 5
            graphOnAxes({y(35), x(1), atColumn(2, u"y"_s), newLine(5), atColumn(16, u"x"_s), newLine(),
                         atColumn(2, u"-5"_s)},
                        {-4, 30, 4}, {plot([](double x) { return -2 * x * x - 5; }, -3, 3, 0.01, 12)}),
            // Page 8: next, y = -2x² in blue
            nextInBlueOnOneLine({u"                       2"_s, 1300, u"  　次に、ｙ＝－２ｘ   のｸﾞﾗﾌ(青色)"_s}),
            // Page 9: the graph of y = -2x²
            blueGraph([](double x) { return -2 * x * x; }, -3, 3),
            // Page 10: axis and vertex of y = -2x² - 5
            axisOnTheYAxis({u"               2"_s, 2070, u"  　ｙ＝－２ｘ   －５ のｸﾞﾗﾌ"_s}, u"の軸"_s, u"ｙ軸(ｘ＝０)"_s,
                           u"（０，－５）"_s),
            // Page 11: y = -2x² - 5 is y = -2x² moved by -5 along the y axis
            {
                text(),
                clear(),
                newLine(),
                colour(12),
                squared(u"               2"_s, 320, u"  　ｙ＝－２ｘ   －５ のｸﾞﾗﾌ(赤色)"_s),
                colour(0),
                print(u"　は、"_s),
                colour(9),
                squared(u"                2"_s, 860, u"　　ｙ＝－２ｘ   のｸﾞﾗﾌ(青色)"_s),
                colour(0),
                printOn(u"　を"_s),
                colour(12),
                printOn(u" y軸方向に－５だけ、"_s),
                colour(0),
                print(u"平行移"_s),
                print(u"　動したものになっている。"_s),
            },
            // Page 12: summary of y = ax² + c
            {
                text(),
                clear(),
                newLine(),
                squared(u"           2"_s, 320, u" 【ｙ＝ａｘ   ＋ｃ ｸﾞﾗﾌのまとめ】"_s),
                newLine(),
                printOn(u"　　軸は"_s),
                colour(12),
                printOn(u"ｙ軸（ｘ＝０）"_s),
                colour(0),
                print(u"である。また、"_s),
                printOn(u"　頂点の座標は"_s),
                colour(12),
                printOn(u"（０，ｃ）"_s),
                colour(0),
                print(u"である。"_s),
                newLine(),
                squared(u"            2"_s, 1550, u"　　ｙ＝ａｘ   ＋ｃ のグラフは、"_s),
                squaredOn(u"          2"_s, 1860, u"　ｙ＝ａｘ   のグラフを"_s),
                colour(12),
                print(u" ｙ軸方向"_s),
                printOn(u"　に＋ｃだけ、"_s),
                colour(0),
                print(u"平行移動したもの"_s),
                print(u"  である。"_s),
            },
        },
    };
}

} // namespace piyota::content
