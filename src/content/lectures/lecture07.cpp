#include "content/lectures/lecture_set.h"

namespace piyota::content {

using namespace Qt::StringLiterals;
using namespace op;

// Lecture 7: maximum and minimum on a range of x (problem 27).
Lecture lecture7()
{
    return {
        .number = 7,
        .firstProblem = 27,
        .lastProblem = 27,
        // Introduction: example 1: y = 2x² - 8x + 3 on -2 ≤ x ≤ 1
        .introduction = {
            text(),
            newLine(),
            print(u" 【例題１】"_s),
            print(u"　　次の２次関数の最大値と"_s),
            print(u"　最小値を求めてみよう。"_s),
            exponent(u"           2"_s), y(970),
            printOn(u"　 ｙ＝２ｘ  －８ｘ＋３ "_s),
            colour(12),
            print(u"(－２≦ｘ≦１)"_s),
            colour(0),
            speech(),
            speechLines(),
        },
        .pages = {
            // Page 1: completing the square: 2(x - 2)² - 5
            {
                text(),
                newLine(),
                print(u" ＜考え方＞"_s),
                exponent(u"          2"_s), y(1710),
                print(u"　ｙ＝２ｘ  －８ｘ＋３"_s),
                exponent(u"            2"_s), y(2020),
                print(u"　　＝２(ｘ   －４ｘ)＋３"_s),
                exponent(u"                   2"_s), y(2330),
                print(u"　　＝２{(ｘ－２)   －４}＋３"_s),
                exponent(u"                  2"_s), y(2640),
                print(u"　　＝２(ｘ－２)   －５ より"_s),
            },
            // Page 2: vertex (2, -5), opening upwards
            {
                text(),
                colour(12),
                print(u"　　頂点が(２，－５)で、"_s),
                print(u"　下に凸の放物線になるので、"_s),
                colour(0),
            },
            // Page 3: the graph, with the piece over -2 ≤ x ≤ 1 in red
            {
                graph(),
                y(57),
                x(1),
                atColumn(13, u"y"_s),
                newLine(),
                atColumn(13, u"27"_s),
                newLine(3),
                atColumn(3, u"-2                2                  x"_s),
                newLine(),
                print(u"          -5"_s),
                scale(-3, 40, 7, -40),
                line(-2.9, 0, 6.9, 0),
                line(0, 39, 0, -39),
                plot([](double x) { return 2 * x * x - 8 * x + 3; }, -2.8, 6.8, 0.01, 10),
                plot([](double x) { return 2 * x * x - 8 * x + 3; }, -2, 1, 0.001, 12),
            },
            // Page 4: answer: maximum 27 at x = -2, minimum -3 at x = 1
            {
                graph(),
                newLine(6),
                x(-3),
                y(-15),
                colour(12),
                print(u" グラフの範囲は赤の部分より、"_s),
                colour(9),
                x(-3),
                print(u"　　最大値 ２７ (ｘ＝－２のとき)"_s),
                x(-3),
                print(u"　　最小値 －３ (ｘ＝１のとき)"_s),
                colour(0),
            },
            // Page 5: example 2: y = -2x² + 8x - 3 on -1 ≤ x ≤ 3
            {
                text(),
                clear(),
                graph(),
                clear(),
                text(),
                newLine(),
                print(u" 【例題２】"_s),
                print(u"　　次の２次関数の最大値と"_s),
                print(u"　最小値を求めてみよう。"_s),
                exponent(u"              2"_s), y(970),
                print(u"　 ｙ＝－２ｘ   ＋８ｘ－３"_s),
                colour(12),
                print(u"　 　　　　　　　　　　　(－１≦ｘ≦３)"_s),
                colour(0),
            },
            // Page 6: completing the square: -2(x - 2)² + 5
            {
                text(),
                print(u" ＜考え方＞"_s),
                exponent(u"             2"_s), y(1710),
                print(u"　ｙ＝－２ｘ   ＋８ｘ－３"_s),
                exponent(u"               2"_s), y(2020),
                print(u"　　＝－２(ｘ   －４ｘ)－３"_s),
                exponent(u"                      2"_s), y(2330),
                print(u"　　＝－２{(ｘ－２)   －４}－３"_s),
                exponent(u"                     2"_s), y(2640),
                print(u"　　＝－２(ｘ－２)   ＋５ より、"_s),
            },
            // Page 7: vertex (2, 5), opening downwards
            {
                text(),
                colour(12),
                print(u"　　頂点が(２，５)で、"_s),
                print(u"　上に凸の放物線になるので、"_s),
                colour(0),
            },
            // Page 8: the graph, with the piece over -1 ≤ x ≤ 3 in red
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
                print(u" -13"_s),
                scale(-3, 40, 7, -40),
                line(-2.9, 0, 6.9, 0, 0),
                line(0, 39, 0, -39, 0),
                plot([](double x) { return -2 * x * x + 8 * x - 3; }, -2.8, 6.8, 0.01, 10),
                plot([](double x) { return -2 * x * x + 8 * x - 3; }, -1, 3, 0.001, 12),
            },
            // Page 9: answer: maximum 5 at x = 2, minimum -13 at x = -1
            {
                graph(),
                newLine(6),
                x(-3),
                y(-20),
                colour(12),
                print(u" グラフの範囲は赤の部分より、"_s),
                colour(9),
                x(-3),
                print(u"　　最大値 　５ (ｘ＝２のとき)"_s),
                x(-3),
                print(u"　　最小値 －１３ (ｘ＝－１のとき)"_s),
                colour(0),
            },
            // Page 10: example 3: the same function on 3 ≤ x ≤ 5
            {
                text(),
                clear(),
                graph(),
                clear(),
                text(),
                newLine(),
                print(u" 【例題３】"_s),
                print(u"　　次の２次関数の最大値と"_s),
                print(u"　最小値を求めてみよう。"_s),
                exponent(u"              2"_s), y(970),
                print(u"　 ｙ＝－２ｘ   ＋８ｘ－３"_s),
                colour(12),
                print(u"　 　　　　　　　　　　　(３≦ｘ≦５)"_s),
                colour(0),
            },
            // Page 11: completing the square
            {
                text(),
                print(u" ＜考え方＞"_s),
                exponent(u"             2"_s), y(1710),
                print(u"　ｙ＝－２ｘ   ＋８ｘ－３"_s),
                exponent(u"               2"_s), y(2020),
                print(u"　　＝－２(ｘ   －４ｘ)－３"_s),
                exponent(u"                      2"_s), y(2330),
                print(u"　　＝－２{(ｘ－２)  －４}－３"_s),
                exponent(u"                     2"_s), y(2640),
                print(u"　　＝－２(ｘ－２)   ＋５ より、"_s),
            },
            // Page 12: vertex (2, 5), opening downwards
            {
                text(),
                colour(12),
                print(u"　　頂点が(２，５)で、"_s),
                print(u"　上に凸の放物線になるので、"_s),
                colour(0),
            },
            // Page 13: the graph, with the piece over 3 ≤ x ≤ 5 in red
            {
                graph(),
                y(40),
                x(0.5),
                print(u"y"_s),
                newLine(5),
                x(-0.5),
                print(u"5"_s),
                newLine(),
                atColumn(8, u"2           5      x"_s),
                newLine(),
                print(u" -13"_s),
                scale(-3, 40, 7, -40),
                line(-2.9, 0, 6.9, 0, 0),
                line(0, 39, 0, -39, 0),
                plot([](double x) { return -2 * x * x + 8 * x - 3; }, -2.8, 6.8, 0.01, 10),
                plot([](double x) { return -2 * x * x + 8 * x - 3; }, 3, 5, 0.001, 12),
            },
            // Page 14: answer: maximum 3 at x = 3, minimum -13 at x = 5
            {
                graph(),
                newLine(6),
                x(-3),
                y(-20),
                colour(12),
                print(u" グラフの範囲は赤の部分より、"_s),
                colour(9),
                x(-3),
                print(u"　　最大値 　３ (ｘ＝３のとき)"_s),
                x(-3),
                print(u"　　最小値 －１３ (ｘ＝５のとき)"_s),
                colour(0),
            },
        },
    };
}

} // namespace piyota::content
