#pragma once

#include "problem.h"

namespace piyota {

class Canvas;

// Prints a question into the question box: a blank line, the problem's
// title line, then its items in order, each exponent line placed over the
// formula line that follows it.
void printQuestion(Canvas &box, int problem, const content::ProblemLayout &layout);

} // namespace piyota
