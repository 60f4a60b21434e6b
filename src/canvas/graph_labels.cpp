#include "graph_labels.h"

#include "surface.h"
#include "graph_strokes.h"

#include <QFontInfo>
#include <QLineF>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>

namespace piyota {

namespace {

// Room between a y value's ink and the y axis's pixels, in pixels: the
// strokes strike what comes within a pixel and a half of a line's centre.
constexpr double kAxisGap = 2;
// How far an x value may move off its line, away from the x axis, to keep
// clear of it: a glyph's outline reaches a little past its ink.
constexpr int kMostNudge = 3;

struct Word {
    QString text;
    double x; // where it is printed, in the panel's units
};

std::vector<Word> wordsOf(const Surface &panel, const QString &text, double x)
{
    std::vector<Word> words;
    static const QRegularExpression word(QStringLiteral("\\S+"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        words.push_back({match.captured(), x + panel.textWidth(text.left(match.capturedStart()))});
    }
    return words;
}

// The value of a number ("3", "-5", "-3/2"), or nothing.
std::optional<double> numberValue(const QString &word)
{
    static const QRegularExpression number(QStringLiteral("^(-?\\d+)(?:/(\\d+))?$"));
    const auto match = number.match(word);
    if (!match.hasMatch())
        return std::nullopt;
    const double value = match.captured(1).toDouble();
    return match.captured(2).isEmpty() ? value : value / match.captured(2).toDouble();
}

bool isAxisName(const QString &word)
{
    return word == QLatin1String("x") || word == QLatin1String("y");
}

double columnPixels(const Surface &panel)
{
    return panel.coordinates().horizontalPixels(panel.columnX(2) - panel.columnX(1));
}

QRectF panelInside(const Surface &panel)
{
    return {QPointF(1, 1), panel.size() - QSizeF(2, 2)};
}

// The first of the candidate places of a word's ink that lies inside the
// panel and that no stroke strikes, or else that no line strikes; the first
// candidate where every one is struck.
QRectF firstClear(const Surface &panel, const GraphStrokes &strokes, const std::vector<QRectF> &candidates)
{
    const QRectF inside = panelInside(panel);
    for (const bool curvesToo : {true, false}) {
        const auto clear = std::find_if(candidates.begin(), candidates.end(), [&](const QRectF &ink) {
            return inside.contains(ink) && !(curvesToo ? strokes.strike(ink) : strokes.strikeWithALine(ink));
        });
        if (clear != candidates.end())
            return *clear;
    }
    return candidates.front();
}

// The places of an x value's ink: centred on its point, then a pixel at a
// time either way along its line, until the point lies a column beside it
// (a line through the point, such as a graph's axis, then clears it); at
// each, first on its line, then up to kMostNudge pixels away from the x axis.
std::vector<QRectF> xValuePlaces(const Surface &panel, QRectF ink, QPointF point)
{
    ink.moveLeft(point.x() - ink.width() / 2);
    const double away = ink.center().y() < point.y() ? -1 : 1;
    std::vector<QRectF> places;
    auto addNudged = [&](double shift) {
        for (int nudge = 0; nudge <= kMostNudge; ++nudge)
            places.push_back(ink.translated(shift, away * nudge));
    };
    addNudged(0);
    for (int pixels = 1; pixels <= ink.width() / 2 + columnPixels(panel); ++pixels) {
        addNudged(-pixels);
        addNudged(pixels);
    }
    return places;
}

// The places of a y value's ink: beside the axis, centred on its point, on
// the side it is printed on, then the other; then a pixel at a time up or
// down, up to a line.
std::vector<QRectF> yValuePlaces(const Surface &panel, QRectF ink, QPointF point)
{
    const double axis = std::floor(point.x()) + 0.5;
    QRectF right = ink;
    right.moveLeft(axis + kAxisGap);
    QRectF left = ink;
    left.moveRight(axis - kAxisGap);
    const bool printedLeft = ink.center().x() < axis;
    const std::array<QRectF, 2> sides{printedLeft ? left : right, printedLeft ? right : left};
    std::vector<QRectF> places;
    const int line = QFontInfo(panel.font()).pixelSize();
    for (int pixels = 0; pixels <= line; ++pixels) {
        for (const int direction : {1, -1}) {
            for (QRectF side : sides) {
                side.moveTop(point.y() - ink.height() / 2 + direction * pixels);
                places.push_back(side);
            }
            if (pixels == 0)
                break;
        }
    }
    return places;
}

} // namespace

int clearColumns(const Surface &panel, const GraphStrokes &strokes, const QString &text, double x)
{
    // The ink of each word of the label where it is printed, in pixels.
    std::vector<QRectF> words;
    for (const Word &word : wordsOf(panel, text, x))
        words.push_back(panel.inkRect(word.text, word.x, panel.currentY()));
    const double column = columnPixels(panel);
    const QRectF inside = panelInside(panel);
    const int moves[] = {0, -1, 1};
    for (const bool curvesToo : {true, false}) {
        for (const int columns : moves) {
            const bool clear = std::all_of(words.begin(), words.end(), [&](const QRectF &ink) {
                const QRectF moved = ink.translated(columns * column, 0);
                return inside.contains(moved)
                       && !(curvesToo ? strokes.strike(moved) : strokes.strikeWithALine(moved));
            });
            if (clear)
                return columns;
        }
    }
    return 0;
}

bool isPointLabelLine(const QString &text)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::any_of(words.begin(), words.end(), [](const QString &word) { return numberValue(word).has_value(); })
           && std::all_of(words.begin(), words.end(),
                          [](const QString &word) { return numberValue(word) || isAxisName(word); });
}

std::optional<std::vector<QPointF>> pointLabelPlaces(const Surface &panel, const GraphStrokes &strokes,
                                                     const QString &text, double x)
{
    if (!strokes.scale() || !isPointLabelLine(text))
        return std::nullopt;
    const std::vector<Word> words = wordsOf(panel, text, x);

    const CoordinateSystem &scale = *strokes.scale();
    std::vector<QPointF> places;
    for (const Word &word : words) {
        const QPointF printed = panel.coordinates().toPixels(word.x, panel.currentY());
        const QRectF ink = panel.inkRect(word.text, word.x, panel.currentY());
        const std::optional<double> value = numberValue(word.text);
        if (!value) {
            places.push_back(printed + QPointF(clearColumns(panel, strokes, word.text, word.x) * columnPixels(panel), 0));
            continue;
        }
        const QPointF onXAxis = scale.toPixels(*value, 0);
        const QPointF onYAxis = scale.toPixels(0, *value);
        auto distance = [&](QPointF point) { return QLineF(ink.center(), point).length(); };
        const QRectF placed = firstClear(panel, strokes,
                                         distance(onXAxis) <= distance(onYAxis) ? xValuePlaces(panel, ink, onXAxis)
                                                                                : yValuePlaces(panel, ink, onYAxis));
        places.push_back(printed + placed.topLeft() - ink.topLeft());
    }
    return places;
}

} // namespace piyota
