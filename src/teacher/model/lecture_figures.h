// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem_figures.h"

#include <QList>
#include <QString>

#include <optional>

namespace piyota::teacher {

// The class on the topic of one lecture: the problems the lecture explains
// (the course's own mapping, by which HELP chooses it), taken together.
struct LectureFigures {
    int lecture = 0;
    QString topic;
    int firstProblem = 0;
    int lastProblem = 0;
    int studentsReached = 0;             // who came to its first problem
    qint64 totalMisses = 0;              // on its problems
    std::optional<double> averageMisses; // per problem reached, over its problems
};

// What lecture `lecture` (1..10) is about, as a teacher names the topic.
QString lectureTopic(int lecture);

// Lectures 1 to 10 in order, from the figures of problems 1 to 30.
QList<LectureFigures> lectureFigures(const QList<ProblemFigures> &problems);

} // namespace piyota::teacher
