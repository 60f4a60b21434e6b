// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wheel_drawing.h"

#include "surface.h"
#include "fonts.h"
#include "wheel_geometry.h"

#include <QFont>
#include <QLineF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace piyota::roulette {

namespace {

constexpr int kBlack = 0;
constexpr double kDotStep = 0.01;    // radians between the points of a circle
constexpr int kSectorLabelLines = 13;
// Room a sector label keeps to the wheel's circles and lines, in pixels.
constexpr double kLabelGap = 2;
// How far a label may move towards the middle of its sector, in pixels.
constexpr int kMostLabelMove = 12;

struct SectorLabel {
    int line;
    int column;
    const char16_t *text;
};

// Sectors 1 and 5 get an empty text; sector 7 none at all.
constexpr SectorLabel kSectorLabels[] = {
    {4, 26, u"5000"}, {5, 33, u""}, {7, 19, u"-10000"}, {8, 35, u"10000"},
    {9, 20, u"30000"}, {12, 22, u""}, {13, 30, u" 8000"},
};

void drawCircleOfPoints(Surface &canvas, double radius)
{
    for (double t = 0; t <= 2 * kPi; t += kDotStep) {
        const QPointF point = wheelPoint(t, radius);
        canvas.drawPoint(point.x(), point.y(), kBlack);
    }
}

// The pixels the wheel's circles and sector lines set on the canvas.
std::vector<QRectF> wheelPixels(const Surface &canvas)
{
    std::vector<QRectF> pixels;
    auto add = [&](QPointF wheel) {
        const QPointF pixel = canvas.coordinates().toPixels(wheel.x(), wheel.y());
        pixels.emplace_back(std::floor(pixel.x()), std::floor(pixel.y()), 1, 1);
    };
    for (const double radius : {kInnerRadius, kOuterRadius}) {
        for (double t = 0; t <= 2 * kPi; t += kDotStep)
            add(wheelPoint(t, radius));
    }
    for (int j = 0; j < kSectorCount; ++j) {
        const QPointF rim = wheelPoint(j * kSectorAngle - kHalfCell, kInnerRadius);
        for (double share = 0; share <= 1; share += 1 / kInnerRadius)
            add(kCentre + share * (rim - kCentre));
    }
    return pixels;
}

// Where a label's word printed at x on the canvas's current line is drawn
// (the top-left corner of its line, in pixels): there, or the nearest place
// towards the middle of its sector, a pixel at a time, at which its ink
// keeps the gap to the wheel's circles and lines.
QPointF clearOfTheWheel(const Surface &canvas, const std::vector<QRectF> &wheel, const QString &text, double x)
{
    const QPointF printed = canvas.coordinates().toPixels(x, canvas.currentY());
    const QRectF ink = canvas.inkRect(text, x, canvas.currentY());
    const QPointF inkCentre = canvas.coordinates().fromPixels(ink.center());
    const double angle = std::atan2(kCentre.y() - inkCentre.y(), inkCentre.x() - kCentre.x());
    const double sector = std::floor((angle + kHalfCell) / kSectorAngle);
    const QPointF middle = wheelPoint((sector + 0.5) * kSectorAngle - kHalfCell, kInnerRadius / 2);
    const QLineF towards(ink.center(), canvas.coordinates().toPixels(middle.x(), middle.y()));
    const QPointF step = towards.unitVector().p2() - towards.p1();
    for (int pixels = 0; pixels <= kMostLabelMove; ++pixels) {
        const QRectF room = ink.translated(pixels * step).adjusted(-kLabelGap, -kLabelGap, kLabelGap, kLabelGap);
        const bool clear =
            std::none_of(wheel.begin(), wheel.end(), [&](const QRectF &pixel) { return room.intersects(pixel); });
        if (clear)
            return printed + pixels * step;
    }
    return printed;
}

} // namespace

// The fixed-pitch gothic: the proportional one's wider digits reach over
// the sector lines.
QFont labelFont()
{
    QFont font = gothicFont(9);
    font.setFamilies({QStringLiteral("IPAGothic")});
    return font;
}

void printSectorLabels(Surface &canvas)
{
    const std::vector<QRectF> wheel = wheelPixels(canvas);
    const SectorLabel *label = std::begin(kSectorLabels);
    for (int line = 1; line <= kSectorLabelLines; ++line) {
        if (label != std::end(kSectorLabels) && label->line == line) {
            const QString text = QString::fromUtf16(label->text);
            const QString word = text.trimmed();
            if (word.isEmpty()) {
                canvas.printAtColumn(label->column, text);
            } else {
                const double x = canvas.columnX(label->column) + canvas.textWidth(text.left(text.indexOf(word)));
                canvas.printWordsAt(text, {clearOfTheWheel(canvas, wheel, word, x)}, false);
            }
            ++label;
        } else {
            canvas.print(QString());
        }
    }
}

void drawWheel(Surface &canvas)
{
    drawCircleOfPoints(canvas, kInnerRadius);
    drawCircleOfPoints(canvas, kOuterRadius);
    for (int j = 0; j < kCellCount; ++j) {
        const double t = j * kCellAngle - kHalfCell;
        const QPointF inner = wheelPoint(t, kInnerRadius);
        const QPointF outer = wheelPoint(t, kOuterRadius);
        canvas.drawLine(inner.x(), inner.y(), outer.x(), outer.y(), kBlack);
    }
    for (int j = 0; j < kSectorCount; ++j) {
        const QPointF rim = wheelPoint(j * kSectorAngle - kHalfCell, kInnerRadius);
        canvas.drawLine(kCentre.x(), kCentre.y(), rim.x(), rim.y(), kBlack);
    }
}

void paintBall(Surface &canvas, QPointF centre, int paletteIndex)
{
    canvas.fillCircle(centre.x(), centre.y(), kBallRadius, paletteIndex);
}

} // namespace piyota::roulette
