// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "coordinate_system.h"
#include "lectures/lecture.h"

#include <QLineF>
#include <QRectF>

#include <cstdint>
#include <vector>

namespace piyota {

// Where the lines, curves and circles of a graph fall on its panel, over
// the life of what is printed there (from the panel's last clear to its
// next), as pixels of the panel that a label's ink must keep clear of. A
// curve counts as joined, as the eye reads it, though its points are not.
class GraphStrokes {
public:
    explicit GraphStrokes(QSizeF panelPixels);

    // A line between the centres of two pixels.
    void addLine(const QLineF &pixelCentres);
    // y = curve(x) for x from `from` to `to`, on the given coordinates.
    void addCurve(content::draw::Curve curve, double from, double to, const CoordinateSystem &coordinates);
    // A circle's square around it, in pixels.
    void addCircle(const QRectF &square);

    // Whether a straight line, or a curve or a circle, comes within a pixel
    // of the rectangle (pixels).
    bool strikeWithALine(const QRectF &pixels) const;
    bool strikeWithACurve(const QRectF &pixels) const;
    bool strike(const QRectF &pixels) const;

private:
    // Pixels set, with a running count for counting any rectangle's at once.
    class Grid {
    public:
        Grid(int width, int height);
        void set(QPointF point);
        void setAlong(QPointF from, QPointF to);
        bool anyIn(const QRectF &pixels) const;

    private:
        // The set pixels left of x and above y.
        int countBefore(int x, int y) const { return counts_[std::size_t(y) * std::size_t(width_ + 1) + std::size_t(x)]; }
        void count() const;

        int width_;
        int height_;
        std::vector<std::uint8_t> set_;
        mutable std::vector<int> counts_; // (width + 1) x (height + 1), empty until counted
    };

    QSizeF panel_;
    Grid lines_;
    Grid curves_;
    Grid strokes_; // both
};

} // namespace piyota
