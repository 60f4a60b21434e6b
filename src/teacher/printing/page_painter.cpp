// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_painter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace piyota::teacher {

namespace {

// Measuring resolution: 20 pixels to a point (1440 dots per inch).
constexpr double kMeasurePixelsPerPoint = 20;

QFont sized(QFont face, double pixels)
{
    face.setPixelSize(std::max(1, int(std::lround(pixels))));
    return face;
}

QFont measuring(const QFont &face, double sizePoints)
{
    return sized(face, sizePoints * kMeasurePixelsPerPoint);
}

} // namespace

PagePainter::PagePainter(QPainter &painter, double dotsPerPoint) : painter_(painter), dotsPerPoint_(dotsPerPoint) {}

QRectF PagePainter::toDevice(const QRectF &points) const
{
    return {points.x() * dotsPerPoint_, points.y() * dotsPerPoint_, points.width() * dotsPerPoint_,
            points.height() * dotsPerPoint_};
}

void PagePainter::drawText(const QRectF &points, int flags, const QString &text, const QFont &face, double sizePoints,
                           const QColor &colour)
{
    painter_.setFont(sized(face, sizePoints * dotsPerPoint_));
    painter_.setPen(colour);
    painter_.drawText(toDevice(points), flags, text);
}

void PagePainter::fillRect(const QRectF &points, const QColor &colour)
{
    painter_.fillRect(toDevice(points), colour);
}

void PagePainter::drawLine(const QPointF &from, const QPointF &to, double widthPoints, const QColor &colour)
{
    painter_.setPen(QPen(colour, widthPoints * dotsPerPoint_));
    painter_.drawLine(from * dotsPerPoint_, to * dotsPerPoint_);
}

void PagePainter::drawFrame(const QRectF &points, double widthPoints, const QColor &colour)
{
    painter_.setPen(QPen(colour, widthPoints * dotsPerPoint_));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(toDevice(points));
}

namespace text_measure {

double width(const QString &text, const QFont &face, double sizePoints)
{
    return QFontMetricsF(measuring(face, sizePoints)).horizontalAdvance(text) / kMeasurePixelsPerPoint;
}

double lineHeight(const QFont &face, double sizePoints)
{
    return QFontMetricsF(measuring(face, sizePoints)).height() / kMeasurePixelsPerPoint;
}

double wrappedHeight(const QString &text, const QFont &face, double sizePoints, double width)
{
    const QRectF room(0, 0, width * kMeasurePixelsPerPoint, 1e7);
    const QRectF used = QFontMetricsF(measuring(face, sizePoints)).boundingRect(room, Qt::TextWordWrap, text);
    return std::max(used.height() / kMeasurePixelsPerPoint, lineHeight(face, sizePoints));
}

} // namespace text_measure

} // namespace piyota::teacher
