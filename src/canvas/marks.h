// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exponent_placement.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QString>

#include <variant>
#include <vector>

class QPainter;

namespace piyota {

// What a drawing operation drew.
enum class Drawing {
    Text,     // a printed text
    Label,    // a text printed at a column
    Exponent, // a digit of an exponent line
    Graphics, // a line, the points of a plot, a point or a circle
    Clear,
};

// What a surface draws, in pixels of its panel: each mark is resolution
// independent, so the same marks paint the screen's image at its device
// pixel ratio, a PDF page or a printer's page.

// A text as printed, drawn from its pen origin on the baseline, condensed
// across by `stretch`; its leading spaces are its indentation, which the
// origin already stands after, and a formula line is drawn with the gaps
// its exponents need widened.
struct TextMark {
    Drawing drawing; // Text, Label or Exponent
    QString text;
    QFont font;
    QColor colour;
    QPointF origin;
    double stretch = 1;
    std::vector<FormulaLayout::Widening> widenings; // at indices of the text
    qsizetype indentation = 0;

    QString drawnText() const { return text.mid(indentation); }
};

// A line one pixel wide between the centres of two pixels.
struct LineMark {
    QLineF line;
    QColor colour;
};

// Single pixels, given by their top-left corners.
struct PointsMark {
    std::vector<QPointF> pixels;
    QColor colour;
};

// A circle one pixel wide, or filled, around the centre of a pixel.
struct CircleMark {
    QPointF centre;
    double radius;
    QColor colour;
    bool filled;
};

using Mark = std::variant<TextMark, LineMark, PointsMark, CircleMark>;

// Where the glyphs of a text mark fall, in pixels of its panel.
QRectF inkOf(const TextMark &mark);

// What the mark is, for those who watch a surface draw.
Drawing drawingOf(const Mark &mark);

// Paints the mark; the painter's coordinates are its panel's pixels.
void paintMark(QPainter &painter, const Mark &mark);

} // namespace piyota
