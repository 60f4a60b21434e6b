// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coordinate_system.h"

#include "geometry.h"

namespace piyota {

CoordinateSystem::CoordinateSystem(QSizeF pixelSize, double left, double top, double width,
                                   double height)
    : pixelSize_(pixelSize), left_(left), top_(top), width_(width), height_(height)
{
}

CoordinateSystem CoordinateSystem::twips(QSizeF pixelSize)
{
    return {pixelSize, 0, 0, pixelSize.width() * kTwipsPerPixel,
            pixelSize.height() * kTwipsPerPixel};
}

CoordinateSystem CoordinateSystem::scaled(QSizeF pixelSize, double x1, double y1, double x2,
                                          double y2)
{
    return {pixelSize, x1, y1, x2 - x1, y2 - y1};
}

QPointF CoordinateSystem::toPixels(double x, double y) const
{
    return {(x - left_) * pixelSize_.width() / width_, (y - top_) * pixelSize_.height() / height_};
}

QPointF CoordinateSystem::fromPixels(QPointF pixel) const
{
    return {left_ + pixel.x() * width_ / pixelSize_.width(),
            top_ + pixel.y() * height_ / pixelSize_.height()};
}

} // namespace piyota
