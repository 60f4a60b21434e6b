#include "graph_labels.h"

#include "graph_strokes.h"

#include <QLineF>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace piyota {

namespace {

// Room between a label's ink and its axis's pixel centres, in pixels: with
// the smoothing around a glyph, a clear pixel between ink and axis.
constexpr double kAxisGap = 2;
// How far a curve's formula may move across to keep clear of the curves, in
// columns, and how far it may be condensed: no further than a line that
// would overflow its panel.
constexpr int kCaptionColumns = 4;
constexpr double kCaptionWidths[] = {1, 0.95, 0.9, 0.85, 0.8};
// The room a curve's formula keeps besides the pixel every label keeps, in
// pixels: half a pixel more for its glyphs' smoothing where it can.
constexpr double kCaptionRoom[] = {0.5, 0};

bool isAxisName(const QString &word)
{
    return word == QLatin1String("x") || word == QLatin1String("y");
}

bool overlapsAText(const QRectF &ink, const std::vector<QRectF> &texts)
{
    const QRectF near = ink.adjusted(-1, -1, 1, 1);
    return std::any_of(texts.begin(), texts.end(), [&](const QRectF &text) { return near.intersects(text); });
}

// Which strokes a place must keep clear of.
enum class Strokes { All, Lines, Curves };

// Whether the inks lie inside the panel, clear of the other texts and of
// the strokes given.
bool isClear(const std::vector<QRectF> &inks, const Obstacles &obstacles, Strokes strokes)
{
    return std::all_of(inks.begin(), inks.end(), [&](const QRectF &ink) {
        if (!obstacles.inside.contains(ink) || overlapsAText(ink, obstacles.texts))
            return false;
        switch (strokes) {
        case Strokes::All:
            return !obstacles.strokes.strike(ink);
        case Strokes::Lines:
            return !obstacles.strokes.strikeWithALine(ink);
        case Strokes::Curves:
            return !obstacles.strokes.strikeWithACurve(ink);
        }
        return false;
    });
}

// The first of the candidates that passes the test.
template <class Candidate, class Test>
std::optional<Candidate> firstWhere(const std::vector<Candidate> &candidates, Test test)
{
    const auto found = std::find_if(candidates.begin(), candidates.end(), test);
    return found == candidates.end() ? std::nullopt : std::optional<Candidate>(*found);
}

// The ink moved so that it sits beside the axis on the given side, `away`
// pixels farther than the gap, centred on `at` along it.
QRectF besideAxis(Axis axis, double axisPixel, QRectF ink, double at, bool before, int away)
{
    const double distance = kAxisGap + away;
    if (axis == Axis::X) {
        ink.moveLeft(at - ink.width() / 2);
        if (before)
            ink.moveBottom(axisPixel - distance);
        else
            ink.moveTop(axisPixel + distance);
    } else {
        ink.moveTop(at - ink.height() / 2);
        if (before)
            ink.moveRight(axisPixel - distance);
        else
            ink.moveLeft(axisPixel + distance);
    }
    return ink;
}

} // namespace

std::optional<double> numberValue(const QString &word)
{
    static const QRegularExpression number(QStringLiteral("^(-?\\d+)(?:/(\\d+))?$"));
    const auto match = number.match(word);
    if (!match.hasMatch())
        return std::nullopt;
    const double value = match.captured(1).toDouble();
    return match.captured(2).isEmpty() ? value : value / match.captured(2).toDouble();
}

bool isLabelLine(const QString &text)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return !words.isEmpty() && std::all_of(words.begin(), words.end(), [](const QString &word) {
        return numberValue(word) || isAxisName(word);
    });
}

std::vector<QRectF> placesBeside(Axis axis, double axisPixel, const QRectF &ink, double at, int alongReach,
                                 int awayReach)
{
    const double printedAt = axis == Axis::X ? ink.center().y() : ink.center().x();
    const bool printedBefore = printedAt < axisPixel;
    std::vector<QRectF> places;
    for (int along = 0; along <= 2 * alongReach; ++along) {
        const int shift = along % 2 == 0 ? along / 2 : -(along + 1) / 2; // 0, -1, 1, -2, 2, ...
        for (const bool before : {printedBefore, !printedBefore}) {
            for (int away = 0; kAxisGap + away <= awayReach; ++away)
                places.push_back(besideAxis(axis, axisPixel, ink, at + shift, before, away));
        }
    }
    return places;
}

QPointF placeWord(const QString &word, const std::vector<QRectF> &printedGlyphs, QPointF pointOnX, QPointF pointOnY,
                  const Axes &axes, const Obstacles &obstacles)
{
    QRectF printedInk;
    for (const QRectF &glyph : printedGlyphs)
        printedInk |= glyph;
    const int column = int(std::round(axes.column));
    const int line = int(std::round(axes.line));
    // Beside the y axis a label's ink, with its smoothing, stays within a column of it.
    const int besideY = column - 1;
    std::vector<QRectF> places;
    if (word == QLatin1String("x")) {
        places = placesBeside(Axis::X, axes.xAxisY, printedInk, printedInk.center().x(), column, line);
    } else if (word == QLatin1String("y")) {
        places = placesBeside(Axis::Y, axes.yAxisX, printedInk, printedInk.center().y(), column, besideY);
    } else {
        auto distance = [&](QPointF point) { return QLineF(printedInk.center(), point).length(); };
        if (distance(pointOnX) <= distance(pointOnY)) {
            const int beside = int(std::ceil(printedInk.width() / 2)) + column;
            places = placesBeside(Axis::X, axes.xAxisY, printedInk, pointOnX.x(), beside, line);
        } else {
            places = placesBeside(Axis::Y, axes.yAxisX, printedInk, pointOnY.y(), line, besideY);
        }
    }
    // A place is taken by the glyphs' inks, not their box: a minus sign
    // leaves room above and below it.
    const auto clearOf = [&](Strokes strokes) {
        return [&, strokes](const QRectF &place) {
            std::vector<QRectF> glyphs;
            for (const QRectF &glyph : printedGlyphs)
                glyphs.push_back(glyph.translated(place.topLeft() - printedInk.topLeft()));
            return isClear(glyphs, obstacles, strokes);
        };
    };
    const QRectF place =
        firstWhere(places, clearOf(Strokes::All)).value_or(firstWhere(places, clearOf(Strokes::Lines)).value_or(places.front()));
    return place.topLeft() - printedInk.topLeft();
}

std::vector<QPointF> captionShifts(int acrossReach, int upDownReach)
{
    std::vector<QPointF> shifts;
    for (int dy = -upDownReach; dy <= upDownReach; ++dy) {
        for (int dx = -acrossReach; dx <= acrossReach; ++dx)
            shifts.emplace_back(dx, dy);
    }
    const auto order = [](const QPointF &shift) {
        const double x = shift.x();
        const double y = shift.y();
        return std::make_tuple(x * x + y * y, std::abs(x), y > 0, x > 0);
    };
    std::stable_sort(shifts.begin(), shifts.end(),
                     [&](const QPointF &a, const QPointF &b) { return order(a) < order(b); });
    return shifts;
}

QRectF displaced(const FormulaInk &ink, const Displacement &displacement, double start)
{
    const QRectF &rect = ink.ink;
    return {start + displacement.condense * (rect.left() - start) + displacement.shift.x(),
            rect.top() + displacement.shift.y(), (ink.condenses ? displacement.condense : 1) * rect.width(),
            rect.height()};
}

Displacement placeCaption(const LabelInk &printed, double column, double line, const Obstacles &obstacles)
{
    const std::vector<QPointF> shifts =
        captionShifts(kCaptionColumns * int(std::round(column)), 2 * int(std::round(line)));
    // Its inks, displaced, and grown by the room it keeps besides the pixel every label keeps.
    const auto at = [&](const std::vector<FormulaInk> &inks, const Displacement &displacement, double room) {
        std::vector<QRectF> result;
        for (const FormulaInk &ink : inks)
            result.push_back(displaced(ink, displacement, printed.start).adjusted(-room, -room, room, room));
        return result;
    };
    for (const double room : kCaptionRoom) {
        for (const double condense : kCaptionWidths) {
            const auto clearOfAll = [&](QPointF shift) {
                return isClear(at(printed.texts, {shift, condense}, room), obstacles, Strokes::All);
            };
            // A formula too long for the room between the axes lets a straight
            // line cross it between two glyphs.
            const auto crossedBetweenGlyphs = [&](QPointF shift) {
                return isClear(at(printed.texts, {shift, condense}, room), obstacles, Strokes::Curves)
                       && isClear(at(printed.glyphs, {shift, condense}, room), obstacles, Strokes::Lines);
            };
            std::optional<QPointF> shift = firstWhere(shifts, clearOfAll);
            if (!shift)
                shift = firstWhere(shifts, crossedBetweenGlyphs);
            if (shift)
                return {*shift, condense};
        }
    }
    return {};
}

} // namespace piyota
