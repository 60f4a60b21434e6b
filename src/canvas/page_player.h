// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lectures/lecture.h"

namespace piyota {

class Surface;

// The three panels of the lecture screen that a page draws on.
struct LecturePanels {
    Surface &text;   // Picture1
    Surface &graph;  // Picture2
    Surface &speech; // Picture3
};

// Performs the drawing operations of a lecture's introduction or of its
// page `index` (0 for the first), in order, starting on the text panel,
// the labels of the graph panel where the page's label layout places them
// (label_layout.h).
void performIntroduction(const content::Lecture &lecture, const LecturePanels &panels);
void performPage(const content::Lecture &lecture, std::size_t index, const LecturePanels &panels);

} // namespace piyota
