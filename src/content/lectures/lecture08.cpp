#include "content/lectures/lecture_set.h"

namespace piyota::content {

using namespace Qt::StringLiterals;
using namespace op;

// Lecture 8: quadratic inequalities with two roots (problem 28).
Lecture lecture8()
{
    return {
        .number = 8,
        .firstProblem = 28,
        .lastProblem = 28,
        // Introduction: example 1: 2x² + x - 3 ≥ 0
        .introduction = {
            text(),
            newLine(),
            print(u" 【例題１】"_s),
            print(u"　　次の２次不等式を解け。"_s),
            exponent(u"          2"_s), y(750),
            print(u"　　　２ｘ   ＋ｘ－３≧０"_s),
            speech(),
            speechLines(),
        },
        .pages = {
            // Page 1: consider the graph of y = 2x² + x - 3
            {
                text(),
                newLine(),
                print(u" ＜考え方＞"_s),
                colour(12),
                exponent(u"            2"_s), y(1500),
                printOn(u"　　ｙ＝２ｘ   ＋ｘ－３"_s),
                colour(0),
                print(u"　のグラフを"_s),
                print(u"　考える。"_s),
            },
            // Page 2: its roots: x = -3/2 and 1
            {
                text(),
                colour(12),
                exponent(u"        2"_s), y(2020),
                printOn(u"　　２ｘ   ＋ｘ－３＝０ "_s),
                colour(0),
                print(u"を解いて、"_s),
                exponent(u"           2"_s), y(2330),
                print(u"　 ｙ＝２ｘ   ＋ｘ－３ のグラフと"_s),
                print(u"　ｘ軸との交点を求めると、"_s),
                colour(12),
                print(u"　　ｘ＝－３／２ ， １"_s),
                colour(0),
            },
            // Page 3: the graph, red on and above the x axis
            {
                graph(),
                y(57),
                x(1),
                atColumn(20, u"y"_s),
                colour(12),
                exponent(u"             2"_s), y(360),
                print(u"　　 ｙ＝２ｘ   ＋ｘ－３ のグラフ"_s),
                colour(0),
                newLine(5),
                atColumn(3, u"          -3/2       1               x"_s),
                newLine(),
                scale(-5, 40, 5, -40),
                line(-4.9, 0, 4.9, 0),
                line(0, 39, 0, -39),
                plot([](double x) { return 2 * x * x + x - 3; }, -4.8, 4.3, 0.01, 10),
                plot([](double x) { return 2 * x * x + x - 3; }, -4.8, -1.5, 0.001, 12),
                plot([](double x) { return 2 * x * x + x - 3; }, 1, 4.3, 0.001, 12),
            },
            // Page 4: the red part is where the inequality holds
            {
                graph(),
                y(-1),
                newLine(),
                x(-5),
                print(u"　　この２次不等式を満たす範囲は"_s),
                x(-5),
                colour(12),
                printOn(u"　ｘ軸と、ｘ軸より上"_s),
                colour(0),
                print(u"になるので、"_s),
                x(-5),
                colour(12),
                printOn(u"　グラフの赤い部分"_s),
                colour(0),
                print(u"になる。"_s),
            },
            // Page 5: answer: x ≤ -3/2, 1 ≤ x
            {
                graph(),
                x(-5),
                colour(9),
                print(u"　　 よって、グラフの赤い部分に"_s),
                x(-5),
                print(u"　 対応するｘを求めると、"_s),
                colour(0),
                x(-5),
                print(u"　　ｘ≦－３／２ ， １≦ｘ"_s),
                colour(0),
            },
            // Page 6: example 2: 2x² + x - 3 < 0
            {
                text(),
                clear(),
                graph(),
                clear(),
                text(),
                newLine(),
                print(u" 【例題２】"_s),
                print(u"　　次の２次不等式を解け。"_s),
                exponent(u"          2"_s), y(750),
                print(u"　　　２ｘ   ＋ｘ－３＜０"_s),
            },
            // Page 7: consider the graph of y = 2x² + x - 3
            {
                text(),
                newLine(),
                print(u" ＜考え方＞"_s),
                colour(12),
                exponent(u"            2"_s), y(1500),
                printOn(u"　　ｙ＝２ｘ   ＋ｘ－３"_s),
                colour(0),
                print(u"　のグラフを"_s),
                print(u"　考える。"_s),
            },
            // Page 8: its roots: x = -3/2 and 1
            {
                text(),
                colour(12),
                exponent(u"        2"_s), y(2020),
                printOn(u"　　２ｘ   ＋ｘ－３＝０ "_s),
                colour(0),
                print(u"を解いて、"_s),
                exponent(u"           2"_s), y(2330),
                print(u"　 ｙ＝２ｘ  ＋ｘ－３ のグラフと"_s),
                print(u"　ｘ軸との交点を求めると、"_s),
                colour(12),
                print(u"　　ｘ＝－３／２ ， １"_s),
                colour(0),
            },
            // Page 9: the graph, red below the x axis
            {
                graph(),
                y(40),
                x(0.2),
                print(u"y"_s),
                colour(12),
                x(-5),
                exponent(u"             2"_s), y(33),
                x(-5),
                print(u"　　 ｙ＝２ｘ   ＋ｘ－３ のグラフ"_s),
                y(33),
                x(-5),
                colour(0),
                newLine(5),
                x(-2.1),
                print(u"-3/2       1              x"_s),
                newLine(2),
                scale(-5, 40, 5, -40),
                line(-4.9, 0, 4.9, 0),
                line(0, 39, 0, -39),
                plot([](double x) { return 2 * x * x + x - 3; }, -4.8, 4.3, 0.01, 10),
                plot([](double x) { return 2 * x * x + x - 3; }, -1.5, 1, 0.001, 12),
            },
            // Page 10: the red part is where the inequality holds
            {
                graph(),
                y(-1),
                newLine(),
                x(-5),
                print(u"　　この２次不等式を満たす範囲は"_s),
                x(-5),
                colour(12),
                printOn(u"　ｘ軸より下"_s),
                colour(0),
                print(u"になるので、"_s),
                x(-5),
                colour(12),
                printOn(u"　グラフの赤い部分"_s),
                colour(0),
                print(u"になる。"_s),
            },
            // Page 11: answer: -3/2 < x < 1
            {
                graph(),
                x(-5),
                colour(9),
                print(u"　　 よって、グラフの赤い部分に"_s),
                x(-5),
                print(u"　 対応するｘを求めると、"_s),
                colour(0),
                x(-5),
                print(u"　－３／２＜ｘ＜１"_s),
                colour(0),
            },
        },
    };
}

} // namespace piyota::content
