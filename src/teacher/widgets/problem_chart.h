// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printed_document.h"
#include "problem_figures.h"

#include <QFont>
#include <QList>
#include <QString>

#include <memory>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace piyota::teacher {

// Where the class struggles, problem by problem: a bar of the average wrong
// answers for each problem against the left axis, the hardest problems'
// bars in the shade of their rows in the table and named so in the legend,
// and a line of the median seconds against an axis of its own on the right.
// Every text in `font` (the title in bold).
std::unique_ptr<QChart> problemChart(const QList<ProblemFigures> &problems, const QFont &font);

// The chart printed as vector drawing across the page, `height` points
// high, its text at the print's size.
PrintedPiece printedProblemChart(const QList<ProblemFigures> &problems, double height);

// What the chart shows, one line per problem, for screen readers.
QString problemChartDescription(const QList<ProblemFigures> &problems);

} // namespace piyota::teacher
