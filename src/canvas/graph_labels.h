#pragma once

#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

namespace piyota {

class Surface;
class GraphStrokes;

// How many columns a label of the graph panel printed at x, on the panel's
// current line, moves aside to keep clear of the graph: the first of 0, -1
// and 1 at which no stroke strikes it; where curves strike all three, the
// first that the axes do not; where they strike all three too, 0.
int clearColumns(const Surface &panel, const GraphStrokes &strokes, const QString &text, double x);

// Whether a text is a label line of a graph: numbers that stand for points
// of it, with or without the axes' names ("2", "-3/2       1               x").
bool isPointLabelLine(const QString &text);

// Where a label line of a graph printed at x on the panel's current line
// stands, once the graph has a scale: the top-left corner in pixels at which to draw each of its words:
//  - a number nearer to its point on the x axis than to its point on the y
//    axis is an x value: it is centred under that point, on its line;
//  - any other number is a y value: it stands beside the y axis, on the side
//    it is printed on, vertically centred on its point;
//  - an axis's name stays where it is printed.
// A word that a stroke would strike there moves to the nearest clear place:
// an x value a pixel at a time along its line, until its point lies up to a
// column beside it, and at each up to 3 pixels away from the x axis; a
// y value a pixel at a time up or down, up to a line, on either side of the
// axis; a name by clearColumns().
std::optional<std::vector<QPointF>> pointLabelPlaces(const Surface &panel, const GraphStrokes &strokes,
                                                     const QString &text, double x);

} // namespace piyota
