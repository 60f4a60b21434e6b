#pragma once

#include "coordinate_system.h"
#include "lectures/lecture.h"

#include <QLineF>
#include <QRectF>

#include <optional>
#include <vector>

namespace piyota {

// Where a lecture's lines, curves and circles fall on its graph panel, in
// pixels of the panel, over the life of what is printed at one place of the
// lecture: from the panel's last clear before it to its next clear, on this
// page and the pages after it. A label printed there is struck by any of them.
class GraphStrokes {
public:
    // The strokes around operation `op` of the page (`page` 0 is the
    // introduction, 1 the first page) on a graph panel of the given size.
    GraphStrokes(const content::Lecture &lecture, std::size_t page, std::size_t op, QSizeF panelPixels);

    // Whether any stroke, or any straight line (an axis), comes within a
    // pixel of the rectangle (pixels).
    bool strike(const QRectF &pixels) const;
    bool strikeWithALine(const QRectF &pixels) const;
    // The scale the strokes are drawn in, the last one set before the
    // panel's next clear; nothing on a panel that is never given a scale.
    const std::optional<CoordinateSystem> &scale() const { return scale_; }

private:
    struct Curve {
        content::draw::Curve f;
        double from;
        double to;
        CoordinateSystem coordinates;
    };

    void add(const content::CanvasOp &op, const CoordinateSystem &coordinates);

    std::vector<QLineF> lines_;
    std::vector<Curve> curves_;
    std::vector<QRectF> circles_;
    std::optional<CoordinateSystem> scale_;
};

} // namespace piyota
