#pragma once

#include "problem_figures.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <memory>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace piyota::teacher {

// Where the class struggles, problem by problem: a bar of the average wrong
// answers for each problem (the hardest problems' bars selected, drawn in the
// shade of their rows in the table) against the left axis, and a line of the
// median seconds against an axis of its own on the right.
std::unique_ptr<QChart> problemChart(const QList<ProblemFigures> &problems);

// The chart drawn into a picture of `size` pixels, on white, for printing.
QImage problemChartImage(const QList<ProblemFigures> &problems, QSize size);

// What the chart shows, one line per problem, for screen readers.
QString problemChartDescription(const QList<ProblemFigures> &problems);

} // namespace piyota::teacher
