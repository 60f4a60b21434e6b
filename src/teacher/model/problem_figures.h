// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress_format.h"

#include <QList>

#include <optional>

namespace piyota::teacher {

// One problem across the class.
struct ProblemFigures {
    int problem = 0;
    int studentsReached = 0;
    int studentsFinished = 0;
    qint64 totalMisses = 0;              // of the students who reached it
    std::optional<double> averageMisses; // per student who reached it
    std::optional<double> medianSeconds; // over the students who finished it
    bool hardest = false;                // among the problems the class found hardest
};

// Problems 1 to 30 in order. The hardest are the three with the highest
// average of wrong answers, and any tied with the third; a problem nobody
// answered wrongly is never among them.
QList<ProblemFigures> problemFigures(const QList<ProgressRecord> &records);

} // namespace piyota::teacher
