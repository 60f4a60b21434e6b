// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>

class QFont;

namespace piyota {

// Where a text is drawn on its panel and how much condensed: its pen origin
// on the baseline, in pixels, and its horizontal scale.
struct TextFit {
    QPointF origin;
    double stretch = 1;
};

// A text's indentation: its leading spaces, as wide as the tables count
// them, two half-width spaces to a full-width one, whatever our font's
// widths; so that lines indented either way start alike.
struct Indentation {
    qsizetype length; // the spaces
    double width;     // in pixels
};
Indentation indentationOf(const QFont &font, const QString &text);

// Fits a text printed with the top-left corner of its line at topLeft so
// that it reads whole on a panel of the given size, whatever our fonts'
// widths: one that would run past the right edge is condensed just enough
// to keep its ink 1.5 px inside, never below 80 % of its width; one that
// the top edge would cut is brought down into view, and one whose
// descenders the bottom edge would cut is raised, by up to a third of a
// line. extraWidth is what a formula line's widened gaps add to it; a text
// already condensed to `condense` of its width (a graph's formula making
// room) is condensed further only where the edge needs it.
TextFit fitText(const QFont &font, QSizeF panel, const QString &text, QPointF topLeft, double extraWidth = 0,
                double condense = 1);

} // namespace piyota
