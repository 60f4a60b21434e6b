#pragma once

#include "content/lectures/lecture.h"

namespace piyota {

class Canvas;

// The three panels of the lecture screen that a page draws on.
struct LecturePanels {
    Canvas &text;   // Picture1
    Canvas &graph;  // Picture2
    Canvas &speech; // Picture3
};

// Performs the drawing operations of a page in order, starting on the text
// panel. An exponent line is placed over the formula line printed after it.
void performPage(const content::Page &page, const LecturePanels &panels);

} // namespace piyota
