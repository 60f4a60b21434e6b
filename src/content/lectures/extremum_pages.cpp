// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "extremum_pages.h"

#include "page_parts.h"

namespace piyota::content::extremum {

using namespace Qt::StringLiterals;
using namespace op;

namespace {

Page squareLines(double firstY, std::initializer_list<SquareLine> lines)
{
    Page page;
    double yAt = firstY;
    for (const SquareLine &line : lines) {
        page.push_back(squared(line.exponentLine, yAt, line.line));
        yAt += 310;
    }
    return page;
}

} // namespace

Page statement(const QString &title, const QString &exponentLine, const draw::Print &formula)
{
    return {
        text(),
        newLine(),
        print(title),
        print(u"　　次の２次関数の最大値と"_s),
        print(u"　最小値を求めてみよう。"_s),
        draw::Squared{exponentLine, 970, formula, {}},
    };
}

Page nextStatement(const QString &title, const QString &exponentLine, const draw::Print &formula)
{
    return joined(clearedPanels(), statement(title, exponentLine, formula));
}

Page completingTheSquare(double firstY, std::initializer_list<SquareLine> lines)
{
    return joined({text(), newLine(), print(u" ＜考え方＞"_s)}, squareLines(firstY, lines));
}

Page completingTheSquareOnThisLine(double firstY, std::initializer_list<SquareLine> lines)
{
    return joined({text(), print(u" ＜考え方＞"_s)}, squareLines(firstY, lines));
}

Page vertexAndOpening(const QString &vertex, const QString &opening)
{
    return {text(), colour(12), print(vertex), print(opening), colour(0)};
}

Page extremes(std::optional<double> yAt, const QString &reason, const QString &maximum, const QString &minimum)
{
    Page page{graph(), newLine(6), x(-3)};
    if (yAt)
        page.push_back(y(*yAt));
    return joined(std::move(page), {
                                       colour(12),
                                       print(reason),
                                       colour(9),
                                       x(-3),
                                       print(maximum),
                                       x(-3),
                                       print(minimum),
                                       colour(0),
                                   });
}

} // namespace piyota::content::extremum
