#include "graph_strokes.h"

#include <cmath>

namespace piyota {

namespace {

using content::CanvasOp;
namespace draw = content::draw;

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
            if (const auto *to = std::get_if<draw::ToPanel>(&each)) {
                onGraph = to->panel == draw::Panel::Graph;
            } else if (!onGraph) {
                continue;
            } else if (const auto *scale = std::get_if<draw::Scale>(&each)) {
                coordinates = CoordinateSystem::scaled(panelPixels, scale->x1, scale->y1, scale->x2, scale->y2);
                scale_ = coordinates;
            } else if (std::holds_alternative<draw::Clear>(each)) {
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
    if (const auto *line = std::get_if<draw::Line>(&op)) {
        lines_.emplace_back(pixelOf(coordinates.toPixels(line->x1, line->y1)).center(),
                            pixelOf(coordinates.toPixels(line->x2, line->y2)).center());
    } else if (const auto *plot = std::get_if<draw::Plot>(&op)) {
        curves_.push_back({plot->curve, plot->from, plot->to, coordinates});
    } else if (const auto *circle = std::get_if<draw::Circle>(&op)) {
        const QPointF centre = coordinates.toPixels(circle->x, circle->y);
        const double radius = std::abs(coordinates.horizontalPixels(circle->radius)) + 1;
        circles_.emplace_back(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
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
