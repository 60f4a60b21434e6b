// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace piyota {

// Positions and sizes of the screens are laid out in twips, 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}

inline QRect twipsRect(int x, int y, int width, int height)
{
    return {twipsToPixels(x), twipsToPixels(y), twipsToPixels(width), twipsToPixels(height)};
}

inline QPoint twipsPoint(int x, int y)
{
    return {twipsToPixels(x), twipsToPixels(y)};
}

inline QSize twipsSize(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

} // namespace piyota
