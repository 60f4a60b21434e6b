#include "graph_strokes.h"

#include <cmath>

namespace piyota {

namespace {

using content::CanvasOp;
using Kind = CanvasOp::Kind;

// Samples per pixel along a curve: as close as a plot sets its points.
constexpr double kSamplesPerPixel = 4;

QRectF pixelOf(QPointF point)
{
    return {std::floor(point.x()), std::floor(point.y()), 1, 1};
}

} // namespace

GraphStrokes::GraphStrokes(const content::Lecture &lecture, std::size_t page, std::size_t op, QSizeF panelPixels)
{
    std::vector<const content::Page *> pages{&lecture.introduction};
    for (const content::Page &each : lecture.pages)
        pages.push_back(&each);

    CoordinateSystem coordinates = CoordinateSystem::twips(panelPixels);
    bool reached = false;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        bool onGraph = false; // a page starts on the text panel
        for (std::size_t i = 0; i < pages[p]->size(); ++i) {
            const CanvasOp &each = (*pages[p])[i];
            reached = reached || (p == page && i == op);
            if (each.kind == Kind::ToGraph || each.kind == Kind::ToText || each.kind == Kind::ToSpeech) {
                onGraph = each.kind == Kind::ToGraph;
            } else if (!onGraph) {
                continue;
            } else if (each.kind == Kind::Scale) {
                coordinates = CoordinateSystem::scaled(panelPixels, each.x1, each.y1, each.x2, each.y2);
                scale_ = coordinates;
            } else if (each.kind == Kind::Clear) {
                if (reached)
                    return;
                lines_.clear();
                curves_.clear();
                circles_.clear();
            } else {
                add(each, coordinates);
            }
        }
    }
}

void GraphStrokes::add(const content::CanvasOp &op, const CoordinateSystem &coordinates)
{
    switch (op.kind) {
    case Kind::Line:
        lines_.emplace_back(pixelOf(coordinates.toPixels(op.x1, op.y1)).center(),
                            pixelOf(coordinates.toPixels(op.x2, op.y2)).center());
        break;
    case Kind::Plot:
        curves_.push_back({op.curve, op.x1, op.x2, coordinates});
        break;
    case Kind::Circle: {
        const QPointF centre = coordinates.toPixels(op.x1, op.y1);
        const double radius = std::abs(coordinates.horizontalPixels(op.r)) + 1;
        circles_.emplace_back(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
        break;
    }
    default:
        break;
    }
}

bool GraphStrokes::strikeWithALine(const QRectF &pixels) const
{
    const QRectF near = pixels.adjusted(-1, -1, 1, 1);
    // A line's pixels lie within half a pixel of the line between its ends' pixel centres.
    const QRectF reach = near.adjusted(-0.5, -0.5, 0.5, 0.5);
    const QLineF edges[] = {{reach.topLeft(), reach.topRight()}, {reach.topRight(), reach.bottomRight()},
                            {reach.bottomRight(), reach.bottomLeft()}, {reach.bottomLeft(), reach.topLeft()}};
    for (const QLineF &line : lines_) {
        if (reach.contains(line.p1()) || reach.contains(line.p2()))
            return true;
        for (const QLineF &edge : edges) {
            if (line.intersects(edge) == QLineF::BoundedIntersection)
                return true;
        }
    }
    return false;
}

bool GraphStrokes::strike(const QRectF &pixels) const
{
    if (strikeWithALine(pixels))
        return true;
    const QRectF near = pixels.adjusted(-1, -1, 1, 1);
    for (const Curve &curve : curves_) {
        for (double x = near.left() - 1; x <= near.right() + 1; x += 1 / kSamplesPerPixel) {
            const double units = curve.coordinates.fromPixels({x, 0}).x();
            if (units < curve.from || units > curve.to)
                continue;
            const QPointF point = curve.coordinates.toPixels(units, curve.f(units));
            if (near.intersects(pixelOf(point)))
                return true;
        }
    }
    for (const QRectF &circle : circles_) {
        if (near.intersects(circle))
            return true;
    }
    return false;
}

} // namespace piyota
