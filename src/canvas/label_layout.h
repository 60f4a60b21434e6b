// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lecture_operations.h"

#include <QFont>
#include <QSizeF>

#include <map>

namespace piyota {

// The places of the labels a lecture's page prints on its graph panel
// (graph_labels.h), computed once for the page. A label is placed against
// all that its panel shows while it is there, from the panel's clear before
// it to its next clear, on this page and the pages around it: the graph's
// strokes, the labels before it where they were placed, and every text that
// is no label where it is printed; the labels after it keep clear of it.
class LabelLayout {
public:
    // Page `page` of the lecture (0 the introduction), on a graph panel of
    // the given size and font.
    LabelLayout(const content::Lecture &lecture, std::size_t page, QSizeF panelPixels, const QFont &font);

    // The place of the label that operation `op` of the page prints; nothing
    // where it prints none.
    const LabelPlace *placeOf(std::size_t op) const;

private:
    std::map<std::size_t, LabelPlace> places_;
};

} // namespace piyota
