// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "marks.h"

#include "overloaded.h"

#include <QFontMetricsF>
#include <QPainter>

namespace piyota {

namespace {

// One pixel of the panel wide, whatever the device's resolution: as wide
// on the device as the painter makes a pixel of the panel.
QPen linePen(const QPainter &painter, const QColor &colour)
{
    QPen pen(colour, painter.deviceTransform().m11());
    pen.setCosmetic(true);
    return pen;
}

void paintText(QPainter &painter, const TextMark &mark)
{
    painter.save();
    painter.setFont(mark.font);
    painter.setPen(mark.colour);
    painter.translate(mark.origin);
    painter.scale(mark.stretch, 1);
    const QFontMetricsF metrics(mark.font);
    double x = 0;
    qsizetype from = mark.indentation;
    for (const FormulaLayout::Widening &widening : mark.widenings) {
        const QString piece = mark.text.mid(from, widening.at - from);
        painter.drawText(QPointF(x, 0), piece);
        x += metrics.horizontalAdvance(piece) + widening.pixels;
        from = widening.at;
    }
    painter.drawText(QPointF(x, 0), mark.text.mid(from));
    painter.restore();
}

void paintLine(QPainter &painter, const LineMark &mark)
{
    painter.setPen(linePen(painter, mark.colour));
    painter.drawLine(mark.line);
}

void paintPoints(QPainter &painter, const PointsMark &mark)
{
    for (const QPointF &pixel : mark.pixels)
        painter.fillRect(QRectF(pixel, QSizeF(1, 1)), mark.colour);
}

void paintCircle(QPainter &painter, const CircleMark &mark)
{
    painter.save();
    painter.setPen(linePen(painter, mark.colour));
    painter.setBrush(QBrush(mark.colour, mark.filled ? Qt::SolidPattern : Qt::NoBrush));
    painter.drawEllipse(mark.centre, mark.radius, mark.radius);
    painter.restore();
}

} // namespace

QRectF inkOf(const TextMark &mark)
{
    double extraWidth = 0;
    for (const FormulaLayout::Widening &widening : mark.widenings)
        extraWidth += widening.pixels;
    const QRectF glyphs = QFontMetricsF(mark.font).tightBoundingRect(mark.drawnText()).adjusted(0, 0, extraWidth, 0);
    return {mark.origin.x() + mark.stretch * glyphs.left(), mark.origin.y() + glyphs.top(),
            mark.stretch * glyphs.width(), glyphs.height()};
}

Drawing drawingOf(const Mark &mark)
{
    const auto *text = std::get_if<TextMark>(&mark);
    return text ? text->drawing : Drawing::Graphics;
}

void paintMark(QPainter &painter, const Mark &mark)
{
    std::visit(content::Overloaded{
                   [&](const TextMark &text) { paintText(painter, text); },
                   [&](const LineMark &line) { paintLine(painter, line); },
                   [&](const PointsMark &points) { paintPoints(painter, points); },
                   [&](const CircleMark &circle) { paintCircle(painter, circle); },
               },
               mark);
}

} // namespace piyota
