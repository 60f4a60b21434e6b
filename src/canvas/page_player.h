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

// Perform the drawing operations of a lecture's introduction or of its
// page `index` (0 for the first), in order, starting on the text panel. A label
// of the graph panel (a text printed at a column, or a number printed
// alone, which stands for a point of the graph) that an axis, a curve or a
// circle would strike before the panel is next cleared moves by one column,
// or a number beside the y axis a little towards its point, to the first
// place where none does.
void performIntroduction(const content::Lecture &lecture, const LecturePanels &panels);
void performPage(const content::Lecture &lecture, std::size_t index, const LecturePanels &panels);

} // namespace piyota
