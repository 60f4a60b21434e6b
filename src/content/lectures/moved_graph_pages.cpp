// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "moved_graph_pages.h"

#include "page_parts.h"

namespace piyota::content::moved {

using namespace Qt::StringLiterals;
using namespace op;

namespace {

// The example's formula in red under its exponent line, anything more in
// red, then what is done with it, on the text panel's next line.
Page statement(double yAt, const QString &exponentLine, const QString &redFormula, const Page &moreInRed,
               const QString &toDraw)
{
    return joined(joined({newLine(), colour(12), squared(exponentLine, yAt, redFormula)}, moreInRed),
                  {colour(0), print(toDraw)});
}

Page blueAnnounced(const Formula &blue)
{
    return {
        colour(9),
        squared(blue.exponentLine, blue.y, blue.line),
        colour(0),
        print(u"　を描く。"_s),
    };
}

} // namespace

Page firstExample(const QString &exponentLine, const QString &redFormula, const Page &moreInRed,
                  const QString &toDraw)
{
    return joined(joined({text()}, statement(310, exponentLine, redFormula, moreInRed, toDraw)),
                  {print(u"　[次へ]をクリックするんじゃ!"_s), speech(), speechLines()});
}

Page secondExample(const QString &exponentLine, const QString &redFormula, const Page &moreInRed,
                   const QString &toDraw)
{
    return joined(joined({graph(), clear(), text(), clear()},
                         statement(320, exponentLine, redFormula, moreInRed, toDraw)),
                  {print(u"　[次へ]をクリックするんじゃ！"_s)});
}

Page nextInBlue(const QString &next, const Formula &blue)
{
    return joined({text(), newLine(), print(next)}, blueAnnounced(blue));
}

Page nextInBlueOnOneLine(const Formula &blue)
{
    return joined({text(), newLine()}, blueAnnounced(blue));
}

Page blueGraph(draw::Curve curve, double from, double to)
{
    return {graph(), plot(curve, from, to, 0.01, 9)};
}

Page axisOnTheYAxis(const Formula &red, const QString &axisWord, const QString &axis, const QString &vertex)
{
    return {
        text(),
        newLine(),
        colour(12),
        squaredOn(red.exponentLine, red.y, red.line),
        colour(0),
        print(axisWord),
        printOn(u"　は、"_s),
        colour(12),
        printOn(axis),
        colour(0),
        print(u"である。また、"_s),
        printOn(u"　頂点の座標は"_s),
        colour(12),
        printOn(vertex),
        colour(0),
        print(u"である。"_s),
    };
}

Page movedAlongOneAxis(const Formula &red, const Formula &blue, const QString &object, const QString &move,
                       const QString &moved, const QString &ending)
{
    return {
        text(),
        clear(),
        newLine(),
        colour(12),
        squared(red.exponentLine, red.y, red.line),
        colour(0),
        print(u"　は、"_s),
        colour(9),
        squaredOn(blue.exponentLine, blue.y, blue.line),
        colour(0),
        print(object),
        colour(12),
        printOn(move),
        colour(0),
        print(moved),
        print(ending),
    };
}

} // namespace piyota::content::moved
