// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress_format.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace piyota::teacher {

// A problem and the wrong answers a student gave on it.
struct ProblemMisses {
    int problem = 0;
    int misses = 0;
    friend bool operator==(const ProblemMisses &, const ProblemMisses &) = default;
};

// One row of the class overview: how far one student has come.
struct StudentFigures {
    QString login;                // the account owning the student's folder; empty for a file of the folder itself
    QString userCode;
    QDateTime lastSaved;          // the file's modification time
    ProgressRecord record;        // the whole file, for the student's own view
    int problemReached = 0;       // problemNo
    bool courseDone = false;      // 修了
    bool problemInProgress = false; // the problem reached is started, not finished
    double score = 0;
    int totalMisses = 0;          // over the problems reached
    double totalSeconds = 0;      // whole seconds of the finished problems only
    QList<ProblemMisses> mostMissed; // up to three, most wrong answers first
};

StudentFigures studentFigures(const ProgressRecord &record);

} // namespace piyota::teacher
