// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graph_labels.h"

#include "graph_strokes.h"

#include <QLineF>
#include <QRegularExpression>

#include <algorithm>
#include <iterator>
#include <cmath>
#include <tuple>

namespace piyota {

namespace {

// Room between a label's ink and its axis's pixel centres, in pixels: with
// the smoothing around a glyph, a clear pixel between ink and axis.
constexpr double kAxisGap = 2;
// How far a curve's formula may move across to keep clear of the curves, in
// columns.
constexpr int kCaptionColumns = 4;
// How a curve's formula tries its places: at its own width with half a
// pixel more room than every label keeps (its glyphs' smoothing reaches
// past their outlines), then with the pixel alone, then condensed, no
// further than a line that would overflow its panel.
struct CaptionTry {
    double room;
    double condense;
};
constexpr CaptionTry kCaptionTries[] = {{0.5, 1}, {0, 1}, {0, 0.95}, {0, 0.9}, {0, 0.85}, {0, 0.8}};

bool isAxisName(const QString &word)
{
    return word == QLatin1String("x") || word == QLatin1String("y");
}

bool overlapsAText(const QRectF &ink, const std::vector<QRectF> &texts)
{
    // Within a pixel: the rectangles grown by one on every side overlap.
    return std::any_of(texts.begin(), texts.end(), [&](const QRectF &text) {
        return ink.left() - 1 < text.right() && text.left() < ink.right() + 1 && ink.top() - 1 < text.bottom()
               && text.top() < ink.bottom() + 1;
    });
}

// Which strokes a place must keep clear of.
enum class Strokes { All, Lines, Curves };

bool struck(const QRectF &ink, const GraphStrokes &by, Strokes strokes)
{
    switch (strokes) {
    case Strokes::All:
        return by.strike(ink);
    case Strokes::Lines:
        return by.strikeWithALine(ink);
    case Strokes::Curves:
        return by.strikeWithACurve(ink);
    }
    return true;
}

// Whether the inks, moved by `shift`, keep clear of the strokes given.
bool clearOf(const std::vector<QRectF> &inks, QPointF shift, const GraphStrokes &by, Strokes strokes)
{
    return std::none_of(inks.begin(), inks.end(),
                        [&](const QRectF &ink) { return struck(ink.translated(shift), by, strokes); });
}

// Whether the inks, moved by `shift`, lie inside the panel, clear of the
// other texts and of the strokes given.
bool isClear(const std::vector<QRectF> &inks, QPointF shift, const Obstacles &obstacles, Strokes strokes)
{
    const QRectF &inside = obstacles.inside;
    const bool fit = std::all_of(inks.begin(), inks.end(), [&](const QRectF &printed) {
        const QRectF ink = printed.translated(shift);
        return inside.left() <= ink.left() && ink.right() <= inside.right() && inside.top() <= ink.top()
               && ink.bottom() <= inside.bottom();
    });
    return fit && clearOf(inks, shift, obstacles.strokes, strokes)
           && std::none_of(inks.begin(), inks.end(), [&](const QRectF &ink) {
                  return overlapsAText(ink.translated(shift), obstacles.texts);
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
            return isClear(printedGlyphs, place.topLeft() - printedInk.topLeft(), obstacles, strokes);
        };
    };
    const QRectF place =
        firstWhere(places, clearOf(Strokes::All)).value_or(firstWhere(places, clearOf(Strokes::Lines)).value_or(places.front()));
    return place.topLeft() - printedInk.topLeft();
}

std::vector<QPointF> captionShifts(int acrossReach, int upDownReach)
{
    struct Shift {
        std::tuple<int, int, bool, bool> order; // one key a shift
        QPointF shift;
    };
    std::vector<Shift> shifts;
    for (int dy = -upDownReach; dy <= upDownReach; ++dy) {
        for (int dx = -acrossReach; dx <= acrossReach; ++dx)
            shifts.push_back({{dx * dx + dy * dy, std::abs(dx), dy > 0, dx > 0}, QPointF(dx, dy)});
    }
    std::sort(shifts.begin(), shifts.end(), [](const Shift &a, const Shift &b) { return a.order < b.order; });
    std::vector<QPointF> ordered;
    for (const Shift &each : shifts)
        ordered.push_back(each.shift);
    return ordered;
}

std::vector<QPointF> captionShifts(double column, double line)
{
    return captionShifts(kCaptionColumns * int(std::round(column)), 2 * int(std::round(line)));
}

QRectF displaced(const FormulaInk &ink, const Displacement &displacement, double start)
{
    const QRectF &rect = ink.ink;
    return {start + displacement.condense * (rect.left() - start) + displacement.shift.x(),
            rect.top() + displacement.shift.y(), (ink.condenses ? displacement.condense : 1) * rect.width(),
            rect.height()};
}

Displacement placeCaption(const LabelInk &printed, const std::vector<QPointF> &shifts, const Obstacles &obstacles)
{
    // Its inks, displaced, and grown by the room it keeps besides the pixel every label keeps.
    const auto at = [&](const std::vector<FormulaInk> &inks, const Displacement &displacement, double room) {
        std::vector<QRectF> result;
        for (const FormulaInk &ink : inks)
            result.push_back(displaced(ink, displacement, printed.start).adjusted(-room, -room, room, room));
        return result;
    };
    // The shifts where the formula's line, at its narrowest, keeps clear of
    // the curves and the texts: the only ones any try can take, since every
    // try's line covers that one.
    std::vector<FormulaInk> lines;
    std::copy_if(printed.texts.begin(), printed.texts.end(), std::back_inserter(lines),
                 [](const FormulaInk &ink) { return ink.condenses; });
    const std::vector<QRectF> narrowest = at(lines, {{}, kCaptionTries[std::size(kCaptionTries) - 1].condense}, 0);
    std::vector<QPointF> possible;
    std::copy_if(shifts.begin(), shifts.end(), std::back_inserter(possible),
                 [&](QPointF shift) { return isClear(narrowest, shift, obstacles, Strokes::Curves); });
    for (const auto [room, condense] : kCaptionTries) {
        const std::vector<QRectF> texts = at(printed.texts, {{}, condense}, room);
        const std::vector<QRectF> glyphs = at(printed.glyphs, {{}, condense}, room);
        // The first shift clear of everything; else the first where a formula
        // too long for the room between the axes lets a straight line cross
        // it between two glyphs. Both in one pass: the curves and the texts
        // are tried once for both.
        std::optional<QPointF> crossed;
        for (const QPointF &shift : possible) {
            if (!isClear(texts, shift, obstacles, Strokes::Curves))
                continue;
            if (clearOf(texts, shift, obstacles.strokes, Strokes::Lines))
                return {shift, condense};
            if (!crossed && clearOf(glyphs, shift, obstacles.strokes, Strokes::Lines))
                crossed = shift;
        }
        if (crossed)
            return {*crossed, condense};
    }
    return {};
}

} // namespace piyota
