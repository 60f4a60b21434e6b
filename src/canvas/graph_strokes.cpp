// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graph_strokes.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace piyota {

namespace {

// Samples per pixel along a curve, and steps per pixel along a line.
constexpr double kSamplesPerPixel = 4;

} // namespace

GraphStrokes::Grid::Grid(int width, int height)
    : width_(width), height_(height), set_(std::size_t(width) * std::size_t(height), 0)
{
}

void GraphStrokes::Grid::set(QPointF point)
{
    const auto x = int(std::floor(point.x()));
    const auto y = int(std::floor(point.y()));
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    set_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = 1;
    counts_.clear();
}

void GraphStrokes::Grid::setAlong(QPointF from, QPointF to)
{
    const QPointF along = to - from;
    const double steps = std::ceil(std::max(std::abs(along.x()), std::abs(along.y())) * kSamplesPerPixel);
    for (double step = 0; step <= steps; ++step)
        set(from + along * (steps > 0 ? step / steps : 0));
}

// Each count is the one above it and the pixels of its row so far.
void GraphStrokes::Grid::count() const
{
    const auto stride = std::size_t(width_ + 1);
    counts_.assign(stride * std::size_t(height_ + 1), 0);
    for (std::size_t y = 0; y < std::size_t(height_); ++y) {
        int row = 0;
        const std::uint8_t *pixels = &set_[y * std::size_t(width_)];
        int *counts = &counts_[(y + 1) * stride];
        const int *above = &counts_[y * stride];
        for (std::size_t x = 0; x < std::size_t(width_); ++x) {
            row += pixels[x];
            counts[x + 1] = above[x + 1] + row;
        }
    }
}

bool GraphStrokes::Grid::anyIn(const QRectF &pixels) const
{
    if (counts_.empty())
        count();
    const int left = std::clamp(int(std::floor(pixels.left())), 0, width_);
    const int top = std::clamp(int(std::floor(pixels.top())), 0, height_);
    const int right = std::clamp(int(std::ceil(pixels.right())), 0, width_);
    const int bottom = std::clamp(int(std::ceil(pixels.bottom())), 0, height_);
    if (left >= right || top >= bottom)
        return false;
    return countBefore(right, bottom) - countBefore(left, bottom) - countBefore(right, top) + countBefore(left, top) > 0;
}

GraphStrokes::GraphStrokes(QSizeF panelPixels)
    : panel_(panelPixels)
    , lines_(int(std::ceil(panelPixels.width())), int(std::ceil(panelPixels.height())))
    , curves_(int(std::ceil(panelPixels.width())), int(std::ceil(panelPixels.height())))
    , strokes_(int(std::ceil(panelPixels.width())), int(std::ceil(panelPixels.height())))
{
}

void GraphStrokes::addLine(const QLineF &pixelCentres)
{
    lines_.setAlong(pixelCentres.p1(), pixelCentres.p2());
    strokes_.setAlong(pixelCentres.p1(), pixelCentres.p2());
}

void GraphStrokes::addCurve(content::draw::Curve curve, double from, double to, const CoordinateSystem &coordinates)
{
    const double left = std::max(0.0, coordinates.toPixels(from, 0).x());
    const double right = std::min(panel_.width(), coordinates.toPixels(to, 0).x());
    std::optional<QPointF> last;
    for (double x = left; x <= right; x += 1 / kSamplesPerPixel) {
        const double units = coordinates.fromPixels({x, 0}).x();
        const QPointF point = coordinates.toPixels(units, curve(units));
        // Far off the panel a curve is steep: its pieces there need no joining.
        const bool near = point.y() > -panel_.height() && point.y() < 2 * panel_.height();
        if (near && last) {
            curves_.setAlong(*last, point);
            strokes_.setAlong(*last, point);
        }
        last = near ? std::optional<QPointF>(point) : std::nullopt;
    }
}

void GraphStrokes::addCircle(const QRectF &square)
{
    for (double y = square.top(); y <= square.bottom(); y += 1 / kSamplesPerPixel) {
        curves_.setAlong({square.left(), y}, {square.right(), y});
        strokes_.setAlong({square.left(), y}, {square.right(), y});
    }
}

// Within a pixel: the rectangle grown by one on every side meets the pixel.
bool GraphStrokes::strikeWithALine(const QRectF &pixels) const
{
    return lines_.anyIn(pixels.adjusted(-1, -1, 1, 1));
}

bool GraphStrokes::strikeWithACurve(const QRectF &pixels) const
{
    return curves_.anyIn(pixels.adjusted(-1, -1, 1, 1));
}

bool GraphStrokes::strike(const QRectF &pixels) const
{
    return strokes_.anyIn(pixels.adjusted(-1, -1, 1, 1));
}

} // namespace piyota
