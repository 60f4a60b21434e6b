// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QSizeF>

namespace piyota {

// Maps a canvas's coordinates to its pixels. A canvas measures in twips from
// its top-left corner, y downwards, until it is given a user scale: then
// (left, top) is the top-left corner and (left + width, top + height) the
// bottom-right one; a negative height makes y grow upwards.
class CoordinateSystem {
public:
    static CoordinateSystem twips(QSizeF pixelSize);
    static CoordinateSystem scaled(QSizeF pixelSize, double x1, double y1, double x2, double y2);

    QPointF toPixels(double x, double y) const;
    QPointF fromPixels(QPointF pixel) const;

    // Lengths on screen, in pixels, as lengths in this system's units; a
    // vertical length grows towards the bottom of the screen.
    double horizontalUnits(double pixels) const { return pixels * width_ / pixelSize_.width(); }
    double verticalUnits(double pixels) const { return pixels * height_ / pixelSize_.height(); }
    double horizontalPixels(double units) const { return units * pixelSize_.width() / width_; }

private:
    CoordinateSystem(QSizeF pixelSize, double left, double top, double width, double height);

    QSizeF pixelSize_;
    double left_;
    double top_;
    double width_;
    double height_;
};

} // namespace piyota
