// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_fitting.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>

#include <algorithm>

namespace piyota {

namespace {

// Room kept between a text's ink and the panel's right edge, in pixels.
constexpr double kInkMargin = 1.5;
// The smoothing around a glyph's outline, in pixels.
constexpr double kSmoothing = 1;
// How far a line may be condensed to fit: below this share of its width it
// no longer reads well.
constexpr double kReadableStretch = 0.8;
// How far a line may be raised to keep its descenders in view, in ems.
constexpr double kMostLift = 1.0 / 3;

} // namespace

Indentation indentationOf(const QFont &font, const QString &text)
{
    double fullWidths = 0;
    qsizetype length = 0;
    for (; length < text.size(); ++length) {
        if (text[length] == QChar(u'　'))
            fullWidths += 1;
        else if (text[length] == QLatin1Char(' '))
            fullWidths += 0.5;
        else
            break;
    }
    return {length, fullWidths * QFontMetricsF(font).horizontalAdvance(QChar(u'　'))};
}

TextFit fitText(const QFont &font, QSizeF panel, const QString &text, QPointF topLeft, double extraWidth,
                double condense)
{
    const QFontMetricsF metrics(font);
    // The glyphs' outlines, and the pixel of smoothing around them.
    const QRectF ink = metrics.tightBoundingRect(text).adjusted(-kSmoothing, -kSmoothing, extraWidth + kSmoothing,
                                                                kSmoothing);
    TextFit fit{topLeft + QPointF(0, metrics.ascent()), condense};
    if (text.trimmed().isEmpty())
        return fit;

    // Across, the outline is condensed, not the pixel of smoothing beside it.
    const double right = panel.width() - kInkMargin - kSmoothing;
    const double outlineRight = ink.right() - kSmoothing;
    if (fit.origin.x() + condense * outlineRight > right && outlineRight > 0)
        fit.stretch = std::min(condense, std::max(kReadableStretch, (right - fit.origin.x()) / outlineRight));

    // Vertically a text moves only where the edge would cut its ink: lines
    // a full em high may touch the edges of a box just as high as they are.
    const double top = fit.origin.y() + ink.top() + kSmoothing;
    const double bottom = fit.origin.y() + ink.bottom() - kSmoothing;
    const double mostLift = kMostLift * QFontInfo(font).pixelSize();
    if (top < 0)
        fit.origin.ry() -= top;
    else if (bottom > panel.height())
        fit.origin.ry() -= std::min(mostLift, bottom - panel.height());
    return fit;
}

} // namespace piyota
