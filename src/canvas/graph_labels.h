// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface.h"

#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

namespace piyota {

class GraphStrokes;

// The rules by which the labels of a lecture's graph read where they
// belong, whatever our fonts' widths. A label never lies on another text of
// the panel, and keeps a pixel clear of the graph where it can:
//  - a number stands for a point of the graph: an x value on the x axis or
//    a y value on the y axis, whichever it is printed nearer to. It stands
//    at its point, beside its axis;
//  - an axis's name ("x", "y") stands beside its axis where it is printed
//    along it;
//  - a curve's formula, printed on the graph, never lies on a curve: it
//    moves as a whole to the nearest place clear of the curves.

// Whether a text is a label line of a graph: numbers that stand for points
// of it, with or without the axes' names ("2", "-3/2       1   x", "y").
bool isLabelLine(const QString &text);

// The value of a number ("3", "-5", "-3/2"), or nothing.
std::optional<double> numberValue(const QString &word);

// What a label keeps clear of: the graph's strokes, the inks of the
// panel's other texts, and the panel's edge pixels.
struct Obstacles {
    const GraphStrokes &strokes;
    std::vector<QRectF> texts;
    QRectF inside;
};

// The graph's axes on the panel: the centres of the pixels of the x axis's
// row and the y axis's column; and the panel font's column and line.
struct Axes {
    double xAxisY;
    double yAxisX;
    double column;
    double line;
};

enum class Axis { X, Y };

// The places of a label's ink beside an axis, in the order they are tried:
// centred on `at` along the axis, and `at` then a pixel at a time either
// way, up to alongReach; at each, on the side the ink is printed on, then
// the other; on each side, 2 px from the axis, then a pixel at a time
// farther, up to awayReach pixels from it.
std::vector<QRectF> placesBeside(Axis axis, double axisPixel, const QRectF &ink, double at, int alongReach,
                                 int awayReach);

// How far a word of a label line moves, given where the ink of its glyphs
// would fall as printed and the points it may stand for (a number's, on
// the x and the y axis, whichever it is printed nearer to): to the first of
// its places beside its axis that is inside the panel and clear of the
// graph and the other texts, else the first clear of the straight lines and
// the texts, else the first.
//  - an x value: at its point, until the point lies a column beside its
//    ink; from the x axis up to a line;
//  - a y value: at its point, up to a line up or down; from the y axis up
//    to a column;
//  - an axis's name: where it is printed along its axis, up to a column
//    either way; from the axis up to a line (x) or a column (y).
QPointF placeWord(const QString &word, const std::vector<QRectF> &printedGlyphs, QPointF pointOnX, QPointF pointOnY,
                  const Axes &axes, const Obstacles &obstacles);

// How a curve's formula moves, the shifts in the order they are tried:
// none, then by distance, nearest first, a pixel at a time, up to
// acrossReach either way across and upDownReach up or down; at the same
// distance, up or down before across, and up, left before down, right.
std::vector<QPointF> captionShifts(int acrossReach, int upDownReach);

// The shifts a curve's formula tries on a panel printing in a font of the
// given column and line: four columns across, two lines up or down.
std::vector<QPointF> captionShifts(double column, double line);

// An ink of a curve's formula: of its line or a glyph of it, which condenses
// with it, or of an exponent digit, which keeps its width.
struct FormulaInk {
    QRectF ink;
    bool condenses;
};

// Where the inks of a formula's texts fall, and the inks of each of their
// glyphs; and the x its line starts at, which it is condensed towards.
struct LabelInk {
    std::vector<FormulaInk> texts;
    std::vector<FormulaInk> glyphs;
    double start;
};

// Where an ink falls once its formula is displaced.
QRectF displaced(const FormulaInk &ink, const Displacement &displacement, double start);

// How a curve's formula is displaced from where it is printed: at its own
// width, the first of its shifts (captionShifts()) that leaves its texts inside the panel and half a pixel more than
// every label clear of the graph and the other texts, else the first where
// only a straight line crosses it, between two of its glyphs (a formula
// wider than the room between the axes); else the same without the half
// pixel; else the same condensed to 95 %, then 90, 85 and 80 % of its width;
// else not at all.
Displacement placeCaption(const LabelInk &printed, const std::vector<QPointF> &shifts, const Obstacles &obstacles);

} // namespace piyota
