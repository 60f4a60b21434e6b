// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lectures/lecture.h"
#include "surface.h"

#include <QPointF>

#include <functional>
#include <vector>

namespace piyota {

// Where a label of the graph panel is drawn, once placed: each word of a
// label line at its own place, or a curve's formula moved as a whole.
struct LabelPlace {
    std::vector<QPointF> words; // a label line: each word's top-left corner, in pixels
    Displacement formula;       // a formula line
};

// Whether an operation of the graph panel prints a label: a label line
// (numbers and axes' names) or a curve's formula.
bool isLabel(const content::CanvasOp &op);

// Where a label operation, performed next on the panel, is printed: a
// label line's words where the current point and its column put them, a
// formula unmoved.
LabelPlace printedPlace(const Surface &panel, const content::CanvasOp &op);

// Performs one drawing operation of a lecture page on the panel it goes to
// (panel changes aside). A label of the graph panel is drawn where `place`
// puts it; every other operation takes none.
void performOperation(Surface &panel, const content::CanvasOp &op, const LabelPlace *place);

// Where an operation stands in a lecture: page 0 is the introduction.
struct OperationIndex {
    std::size_t page;
    std::size_t op;
    auto operator<=>(const OperationIndex &) const = default;
};

// Each operation of the lecture in order, but the panel changes, with the
// panel it goes to (each page starts on the text panel).
void forEachOperation(const content::Lecture &lecture,
                      const std::function<void(OperationIndex, content::draw::Panel, const content::CanvasOp &)> &visit);

} // namespace piyota
