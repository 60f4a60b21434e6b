#pragma once

#include "problem.h"

namespace piyota {

class Surface;

// Prints a question into the question box: a blank line, the problem's
// title line, then its items in order.
void printQuestion(Surface &box, int problem, const content::ProblemLayout &layout);

} // namespace piyota
