// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inequality_pages.h"

#include "page_parts.h"

namespace piyota::content::inequality {

using namespace Qt::StringLiterals;
using namespace op;

namespace {

Page statement(const QString &title, const QString &exponentLine, const QString &inequality)
{
    return {
        text(),
        newLine(),
        print(title),
        print(u"　　次の２次不等式を解け。"_s),
        squared(exponentLine, 750, inequality),
    };
}

Page rangeBeginning(double xAt, const QString &where)
{
    return {
        graph(),
        y(-1),
        newLine(),
        x(xAt),
        print(u"　　この２次不等式を満たす範囲は"_s),
        x(xAt),
        colour(12),
        printOn(where),
        colour(0),
        print(u"になるので、"_s),
        x(xAt),
        colour(12),
    };
}

} // namespace

Page firstExample(const QString &exponentLine, const QString &inequality)
{
    return joined(statement(u" 【例題１】"_s, exponentLine, inequality), {speech(), speechLines()});
}

Page nextExample(const QString &title, const QString &exponentLine, const QString &inequality)
{
    return joined(clearedPanels(), statement(title, exponentLine, inequality));
}

Page considerTheGraph(const QString &exponentLine, const QString &formula)
{
    return {
        text(),
        newLine(),
        print(u" ＜考え方＞"_s),
        colour(12),
        squaredOn(exponentLine, 1500, formula),
        colour(0),
        print(u"　のグラフを"_s),
        print(u"　考える。"_s),
    };
}

Page meetingTheXAxis(const QString &equationExponent, const QString &equation, const QString &formulaExponent,
                     const QString &formula, const QString &meeting, const QString &conclusion)
{
    return {
        text(),
        colour(12),
        squaredOn(equationExponent, 2020, equation),
        colour(0),
        print(u"を解いて、"_s),
        squared(formulaExponent, 2330, formula),
        print(meeting),
        colour(12),
        print(conclusion),
        colour(0),
    };
}

Page graphOnTheXAxis(double yLabelX, const QString &formula, const QString &xAxisLabels, draw::Curve curve,
                     int colourOfCurve, std::initializer_list<CanvasOp> marks)
{
    return graphOnAxes(
        {
            y(40),
            x(yLabelX),
            print(u"y"_s),
            newLine(),
            colour(12),
            x(-2),
            squaredAt(u"      2"_s, -2, 27, formula),
            colour(0),
            newLine(3),
            y(6),
            atColumn(3, xAxisLabels),
            atColumn(3, u"      2                    "_s),
            newLine(),
        },
        {-3, 40, 7}, joined({plot(curve, -2.8, 6.8, 0.001, colourOfCurve)}, Page(marks)));
}

Page holdsOn(double x, const QString &where, const QString &part)
{
    return joined(rangeBeginning(x, where), {printOn(part), colour(0), print(u"になる。"_s)});
}

Page holdsNowhere(double x, const QString &where)
{
    return joined(rangeBeginning(x, where), {print(u"　グラフ上にはない。"_s), colour(0)});
}

Page answer(double xAt, std::optional<double> yAt, const QString &reasoning, const QString &moreReasoning,
            const QString &result)
{
    Page page{graph(), x(xAt)};
    if (yAt)
        page.push_back(y(*yAt));
    return joined(std::move(page), {
                                       colour(9),
                                       print(reasoning),
                                       x(xAt),
                                       print(moreReasoning),
                                       colour(0),
                                       x(xAt),
                                       print(result),
                                       colour(0),
                                   });
}

Page answerFromTheRedPart(double x, std::optional<double> y, const QString &result)
{
    return answer(x, y, u"　　 よって、グラフの赤い部分に"_s, u"　 対応するｘを求めると、"_s, result);
}

} // namespace piyota::content::inequality
