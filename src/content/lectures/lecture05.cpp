// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_set.h"
#include "moved_graph_pages.h"
#include "page_parts.h"

namespace piyota::content {

using namespace Qt::StringLiterals;
using namespace op;
using namespace moved;

// Lecture 5: y = ax² + bx + c brought into the form a(x - p)² + q (problems 21 to 25).
Lecture lecture5()
{
    return {
        .number = 5,
        .firstProblem = 21,
        .lastProblem = 25,
        // Introduction: y = x² - 4x + 9 = (x - 2)² + 5
        .introduction = {
            text(),
            newLine(),
            colour(12),
            squaredOn(u"          2"_s, 310, u"　　ｙ＝ｘ   －４ｘ＋９"_s),
            colour(0),
            print(u" は、"_s),
            colour(12),
            squaredOn(u"               2"_s, 620, u"　ｙ＝(ｘ－２)   ＋５ "_s),
            colour(0),
            print(u"と変形できる"_s),
            printOn(u"　ので、"_s),
            colour(12),
            print(u"軸がｘ＝２、頂点が(２，５)"_s),
            colour(0),
            print(u"　の放物線になる。"_s),
            print(u"　[次へ]をクリックするんじゃ!"_s),
            speech(),
            speechLines(),
        },
        .pages = {
            // Page 1: the graph of y = x² - 4x + 9
            graphOnAxes({atColumn(18, u"y"_s), newLine(5), atColumn(18, u"5                   x"_s), newLine(),
                         atColumn(26, u"2"_s)},
                        {-5, 50, 5}, {plot([](double x) { return (x - 2) * (x - 2) + 5; }, -4.5, 4.8, 0.01, 12)}),
            // Page 2: next, y = x² in blue
            {
                text(),
                newLine(),
                colour(9),
                squared(u"        2"_s, 1840, u"　ｙ＝ｘ   のグラフ(青色)を描く｡"_s),
                colour(0),
            },
            // Page 3: the graph of y = x²
            blueGraph([](double x) { return x * x; }, -4.8, 4.8),
            // Page 4: y = x² - 4x + 9 is y = x² moved by +2 along x and +5 along y
            {
                text(),
                print(u"　　従って、"_s),
                colour(12),
                squaredOn(u"        2"_s, 2350, u"　ｙ＝ｘ   －４ｘ＋９ の"_s),
                printOn(u"グラフ"_s),
                colour(0),
                print(u"は、"_s),
                colour(9),
                squaredOn(u"        2"_s, 2660, u"　ｙ＝ｘ   のグラフ"_s),
                colour(0),
                print(u"を "_s),
                colour(12),
                print(u"　ｘ軸方向に＋２、ｙ軸方向に＋５、"_s),
                colour(0),
                print(u"　平行移動したものである。"_s),
            },
            // Page 5: second example: y = -2x² + 4x - 7 = -2(x - 1)² - 5
            {
                graph(),
                clear(),
                text(),
                clear(),
                newLine(),
                colour(12),
                squared(u"             2"_s, 320, u"　ｙ＝－２ｘ   ＋４ｘ－７ は、"_s),
                squared(u"              2"_s, 630, u"　ｙ＝－２(ｘ  －２ｘ)－７ "_s),
                squared(u"                      2"_s, 940, u"　　＝－２{(ｘ－１)   －１}－７"_s),
                squared(u"                     2"_s, 1250, u"　　＝－２(ｘ－１)   －５ と変形"_s),
                printOn(u"　できる"_s),
                colour(0),
                printOn(u"ので、"_s),
                colour(12),
                print(u"軸がｘ＝１、頂点の"_s),
                printOn(u"　座標が(１，－５)"_s),
                colour(0),
                print(u"の放物線にな"_s),
                print(u"  る。"_s),
                print(u"　[次へ]をクリックするんじゃ！"_s),
            },
            // Page 6: the graph of y = -2x² + 4x - 7
            graphOnAxes({y(57), x(1), atColumn(2, u"y"_s), newLine(5), atColumn(4, u"1               x"_s), newLine(),
                         x(-1), print(u"-5"_s)},
                        {-5, 40, 5}, {plot([](double x) { return -2 * x * x + 4 * x - 7; }, -3, 4.8, 0.01, 12)}),
            // Page 7: next, y = -2x² in blue
            {
                text(),
                newLine(),
                colour(9),
                squared(u"               2"_s, 2680, u"  　ｙ＝－２ｘ   のｸﾞﾗﾌ(青色)"_s),
                print(u"　を描く。"_s),
            },
            // Page 8: the graph of y = -2x²
            blueGraph([](double x) { return -2 * x * x; }, -4.8, 4.8),
            // Page 9: the square completed again, and the move from y = -2x²
            {
                text(),
                clear(),
                newLine(),
                colour(12),
                squared(u"             2"_s, 320, u"　ｙ＝－２ｘ   ＋４ｘ－７"_s),
                squared(u"               2"_s, 630, u"　　＝－２(ｘ   －２ｘ)－７ "_s),
                squared(u"                      2"_s, 940, u"　　＝－２{(ｘ－１)   －１}－７"_s),
                squared(u"                     2"_s, 1250, u"　　＝－２(ｘ－１)   －５"_s),
                colour(0),
                newLine(),
                print(u"  　従って、"_s),
                colour(12),
                squaredOn(u"              2"_s, 1990, u"　ｙ＝－２ｘ   ＋４ｘ－７"_s),
                printOn(u"　のグラフ"_s),
                colour(0),
                print(u"は、"_s),
                colour(9),
                squaredOn(u"             2"_s, 2300, u"　ｙ＝－２ｘ   の"_s),
                printOn(u"　グラフ"_s),
                colour(0),
                print(u"を"_s),
                colour(12),
                printOn(u"　ｘ軸方向に＋１、ｙ軸"_s),
                print(u"方向に－５、"_s),
                colour(0),
                printOn(u"　平行移動した"_s),
                print(u"ものである｡"_s),
            },
            // Page 10: summary of y = ax² + bx + c
            {
                text(),
                clear(),
                newLine(),
                squared(u"           2"_s, 320, u" 【ｙ＝ａｘ   ＋ｂｘ＋ｃ"_s),
                print(u"   　　　　　　      ｸﾞﾗﾌのまとめ】"_s),
                newLine(),
                colour(12),
                squared(u"                    2"_s, 1090, u"　　ｙ＝ａ(ｘ－△)   ＋□ の形に"_s),
                printOn(u"　変形して、"_s),
                colour(0),
                printOn(u"軸の方程式が"_s),
                colour(12),
                print(u"ｘ＝△、"_s),
                colour(0),
                printOn(u"　頂点の座標が"_s),
                colour(12),
                printOn(u"(△，□)"_s),
                colour(0),
                print(u"である"_s),
                print(u"　ことが分かる。"_s),
                newLine(),
                squared(u"            2"_s, 2330, u"　　ｙ＝ａｘ   ＋ｂｘ＋ｃ のグラフ"_s),
                squaredOn(u"               2"_s, 2640, u"　は、ｙ＝ａｘ   のグラフを"_s),
                colour(12),
                print(u"ｘ軸方"_s),
                print(u"　向に＋△、ｙ軸方向に＋□だけ"_s),
                colour(0),
                print(u"  平行移動したものである｡"_s),
                print(u"  "_s),
            },
        },
    };
}

} // namespace piyota::content
