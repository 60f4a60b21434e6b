// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace piyota::teacher {

// Text and lines on paper, placed and sized in points (1/72 inch) whatever
// the resolution of the device painted on: a screen's preview, a printer, a
// PDF file. Fonts are sized in the device's pixels, so that a 9-point text
// is 9 points on paper at 96 dots per inch and at 1200 alike.
class PagePainter {
public:
    // `painter` paints on a device of `dotsPerPoint` device pixels to a
    // point, its origin at the top left of the printable area.
    PagePainter(QPainter &painter, double dotsPerPoint);

    void drawText(const QRectF &points, int flags, const QString &text, const QFont &face, double sizePoints,
                  const QColor &colour = Qt::black);
    void fillRect(const QRectF &points, const QColor &colour);
    void drawLine(const QPointF &from, const QPointF &to, double widthPoints, const QColor &colour);
    // The outline of a rectangle, its rule centred on the rectangle's edges.
    void drawFrame(const QRectF &points, double widthPoints, const QColor &colour);

    // The device's rectangle for a rectangle in points, for drawings that
    // paint themselves (a chart).
    QRectF toDevice(const QRectF &points) const;
    QPainter &painter() { return painter_; }

private:
    QPainter &painter_;
    double dotsPerPoint_;
};

// Sizes of text on paper, in points, the same for every device: measured
// at a fine resolution, so that a page is laid out once for the preview,
// the printer and the PDF file.
namespace text_measure {

// `face` at `sizePoints`, for measuring.
double width(const QString &text, const QFont &face, double sizePoints);
double lineHeight(const QFont &face, double sizePoints);
// The height of `text` wrapped into `width` points (Japanese wraps between
// any two characters).
double wrappedHeight(const QString &text, const QFont &face, double sizePoints, double width);

} // namespace text_measure

} // namespace piyota::teacher
