// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h"

class QPainter;
class QRectF;

namespace piyota {

class Surface;

// Prints a question into the question box: a blank line, the problem's
// title line, then its items in order.
void printQuestion(Surface &box, int problem, const content::ProblemLayout &layout);

// Paints the question box of a problem as the quiz screen shows it, at the
// largest size the target holds, on any painter: its texts as text.
void paintQuestion(QPainter &painter, const QRectF &target, int problem, const content::ProblemLayout &layout);

} // namespace piyota
