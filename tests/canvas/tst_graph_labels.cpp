// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graph_labels.h"
#include "graph_strokes.h"
#include "label_layout.h"
#include "panel_layout.h"

#include <QFontMetricsF>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace piyota;

namespace {

const QSizeF kPanel(200, 200);
constexpr double kAxisRow = 100.5; // the x axis's pixel centres
constexpr double kAxisColumn = 60.5; // the y axis's
const Axes kAxes{kAxisRow, kAxisColumn, 6, 15};
const QRectF kInside(1, 1, 198, 198);

GraphStrokes axes()
{
    GraphStrokes strokes(kPanel);
    strokes.addLine({{0.5, kAxisRow}, {199.5, kAxisRow}});
    strokes.addLine({{kAxisColumn, 0.5}, {kAxisColumn, 199.5}});
    return strokes;
}

// On the scale (-2, 50)-(2, -50): 50 px to a unit across, 2 px up.
const CoordinateSystem kScale = CoordinateSystem::scaled(kPanel, -2, 50, 2, -50);

double rising(double x)
{
    return 40 * x;
}

// 20 px up for every 0.01 across: a plot's points stand far apart.
double cliff(double x)
{
    return 1000 * x;
}

// The ink, grown by the half pixel of room a formula keeps where it can.
QRectF withRoom(const QRectF &ink)
{
    return ink.adjusted(-0.5, -0.5, 0.5, 0.5);
}

} // namespace

// The places the graph's labels try, in their order, and what they keep clear of.
class GraphLabelsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void besideAnAxisAtThePointFirstThenFartherThenTheOtherSideThenAlong()
    {
        // An ink 10 x 8 printed above the x axis, its point at x = 50.
        const std::vector<QRectF> places = placesBeside(Axis::X, kAxisRow, QRectF(0, 40, 10, 8), 50, 1, 4);
        QCOMPARE(places.size(), std::size_t(3 * 2 * 3)); // along -1..1, two sides, 2 to 4 px from the axis
        const QRectF expected[] = {
            {45, 90.5, 10, 8}, {45, 89.5, 10, 8}, {45, 88.5, 10, 8},    // above: 2, 3 and 4 px from it
            {45, 102.5, 10, 8}, {45, 103.5, 10, 8}, {45, 104.5, 10, 8}, // then below
            {44, 90.5, 10, 8},                                          // then a pixel left, above again
        };
        for (std::size_t i = 0; i < std::size(expected); ++i)
            QCOMPARE(places[i], expected[i]);
        QCOMPARE(places[12], QRectF(46, 90.5, 10, 8)); // then a pixel right

        // Beside the y axis, printed right of it: its left 2 px from the axis.
        QCOMPARE(placesBeside(Axis::Y, kAxisColumn, QRectF(80, 0, 10, 8), 30, 0, 2).front(), QRectF(62.5, 26, 10, 8));
    }

    void formulasTryTheNearestShiftsFirst()
    {
        const std::vector<QPointF> shifts = captionShifts(2, 1);
        QCOMPARE(shifts.size(), std::size_t(5 * 3));
        const QPointF expected[] = {{0, 0}, {0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}, {-2, 0}};
        for (std::size_t i = 0; i < std::size(expected); ++i)
            QCOMPARE(shifts[i], expected[i]);
    }

    // A "2" printed a line below the x axis, its point at x = 100.
    void aValueStandsAtItsPoint()
    {
        const GraphStrokes strokes = axes();
        const std::vector<QRectF> printed{{90, 120, 7, 11}};
        const QPointF point(100, kAxisRow);
        const QPointF shift = placeWord(u"2"_s, printed, point, {kAxisColumn, 160}, kAxes, {strokes, {}, kInside});
        QCOMPARE(printed.front().translated(shift), QRectF(96.5, 102.5, 7, 11));

        // A circle at the point: farther from the axis first, still under it.
        GraphStrokes circled = axes();
        circled.addCircle({96, 97, 8, 8});
        QCOMPARE(placeWord(u"2"_s, printed, point, {kAxisColumn, 160}, kAxes, {circled, {}, kInside}),
                 QPointF(6.5, 107.5 - 120));
        // A text under it: the other side of the axis before moving along.
        const std::vector<QRectF> sentence{{20, 103, 170, 20}};
        QCOMPARE(placeWord(u"2"_s, printed, point, {kAxisColumn, 160}, kAxes, {strokes, sentence, kInside}),
                 QPointF(6.5, 98.5 - 11 - 120));
    }

    void anAxisNameStandsWhereItIsPrintedAlongItsAxis()
    {
        const GraphStrokes strokes = axes();
        // An "x" floating 30 px above the axis comes down beside it.
        QCOMPARE(placeWord(u"x"_s, {{180, 62, 7, 8}}, {}, {}, kAxes, {strokes, {}, kInside}), QPointF(0, 90.5 - 62));
        // A "y" printed right of the y axis, 8 px from it.
        QCOMPARE(placeWord(u"y"_s, {{69, 5, 8, 11}}, {}, {}, kAxes, {strokes, {}, kInside}), QPointF(62.5 - 69, 0));
    }

    // Where every place is struck by a curve, the first the axes leave
    // clear; where the axes strike them all too, the first.
    void aValueStruckEverywhereTakesTheFirstPlaceTheAxesLeave()
    {
        GraphStrokes struck = axes();
        struck.addCircle({0, 60, 200, 80});
        struck.addLine({{0.5, 106.5}, {199.5, 106.5}});
        const std::vector<QRectF> printed{{90, 120, 7, 11}};
        QCOMPARE(placeWord(u"2"_s, printed, {100, kAxisRow}, {kAxisColumn, 160}, kAxes, {struck, {}, kInside}),
                 QPointF(6.5, 108.5 - 120));
        const std::vector<QRectF> everywhere{{0, 0, 200, 200}};
        QCOMPARE(placeWord(u"2"_s, printed, {100, kAxisRow}, {kAxisColumn, 160}, kAxes, {struck, everywhere, kInside}),
                 QPointF(6.5, 102.5 - 120));
    }

    void aFormulaMovesToTheNearestPlaceClearOfTheCurves()
    {
        GraphStrokes strokes(kPanel);
        strokes.addCurve(rising, 0, 1, kScale); // from (100, 100) to (150, 20)
        const QRectF printed(105, 60, 20, 12);  // the curve passes 117 to 125 px across it
        const Displacement placed = placeCaption({{{printed, true}}, {}, 105}, captionShifts(6.0, 15.0), {strokes, {}, kInside});
        QCOMPARE(placed.condense, 1.0);
        QVERIFY(!strokes.strike(withRoom(printed.translated(placed.shift))));
        const double distance = placed.shift.x() * placed.shift.x() + placed.shift.y() * placed.shift.y();
        QVERIFY(distance > 0);
        for (int dy = -30; dy <= 30; ++dy) {
            for (int dx = -24; dx <= 24; ++dx) {
                if (dx * dx + dy * dy < distance)
                    QVERIFY2(strokes.strike(withRoom(printed.translated(dx, dy))), qPrintable(u"%1, %2"_s.arg(dx).arg(dy)));
            }
        }
    }

    // A formula wider than the room between two curves, an axis between
    // them: it lets the axis cross it between two glyphs, condensed as
    // little as it must be.
    void aFormulaTooWideIsCrossedBetweenGlyphsAndCondensed()
    {
        GraphStrokes strokes = axes();
        strokes.addCircle({0, 0, 10, 60});
        strokes.addCircle({112, 0, 10, 60});
        const std::vector<FormulaInk> glyphs{{{14, 20, 44, 12}, true}, {{64, 20, 44, 12}, true}};
        const LabelInk printed{{{{14, 20, 94, 12}, true}}, glyphs, 14};
        const Displacement placed = placeCaption(printed, captionShifts(6.0, 15.0), {strokes, {}, kInside});
        QCOMPARE(placed.condense, 1.0);
        QCOMPARE(placed.shift, QPointF()); // the axis at 60.5, between the glyphs

        const LabelInk wider{{{{14, 20, 100, 12}, true}}, {{{14, 20, 47, 12}, true}, {{67, 20, 47, 12}, true}}, 14};
        QCOMPARE(placeCaption(wider, captionShifts(6.0, 15.0), {strokes, {}, kInside}).condense, 0.95);
    }

    // A value printed under the x axis, at its point x = 2, where a text
    // printed after it will stand: it stands over the axis.
    void aLabelKeepsClearOfTheTextsPrintedAfterIt()
    {
        using namespace content::op;
        const content::Page graph{
            content::op::graph(), scale(-4, 30, 4, -30), line(-3.9, 0, 3.9, 0), line(0, 29, 0, -29),
            y(-1), x(1.8), print(u"2"_s),
        };
        const content::Page sentence{content::op::graph(), y(-2), x(-3.9), print(u"この２次不等式を満たす範囲は"_s)};
        const PanelLayout panel = lectureGraphPanel();
        const QFontMetricsF metrics(panel.font);
        const auto inkOfTheValue = [&](const std::vector<content::Page> &pages) {
            const content::Lecture lecture{1, 1, 1, {}, pages};
            const QPointF topLeft = LabelLayout(lecture, 1, panel.drawingSize(), panel.font).placeOf(6)->words.front();
            return metrics.tightBoundingRect(u"2"_s).translated(topLeft + QPointF(0, metrics.ascent()));
        };
        const double axis = 110.5;
        QVERIFY(inkOfTheValue({graph}).top() > axis);
        QVERIFY(inkOfTheValue({graph, sentence}).bottom() < axis);
    }

    void aCurveIsStruckBetweenItsPoints()
    {
        GraphStrokes strokes(kPanel);
        strokes.addCurve(cliff, 0, 0.05, kScale);
        // Points at x = 0 and 0.005 (a quarter pixel on) fall at rows 100
        // and 90; the curve runs between.
        QVERIFY(strokes.strikeWithACurve({100.2, 95, 0.1, 0.1}));
        QVERIFY(!strokes.strikeWithALine({100.2, 95, 0.1, 0.1}));
        QVERIFY(!strokes.strike({95, 90, 1, 1})); // within a pixel only
        QVERIFY(strokes.strike({98.5, 90, 1, 1}));
    }
};

QTEST_MAIN(GraphLabelsTest)
#include "tst_graph_labels.moc"
