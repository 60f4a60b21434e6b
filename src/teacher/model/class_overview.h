// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lecture_figures.h"
#include "problem_figures.h"
#include "progress_reader.h"
#include "student_figures.h"

#include <QList>
#include <QString>

namespace piyota::teacher {

// An entry of the folder that was not read as a progress file, and why: a
// ".ucd" entry ("kenta/x.ucd" in a student's folder), or a student's folder
// that could not be listed ("kenta/").
struct SkippedFile {
    QString fileName;
    ProgressFileRefusal reason = ProgressFileRefusal::Unreadable;
};

// What a folder of progress files says about the class.
struct ClassOverview {
    QString folder;
    bool folderReadable = true;          // false: the folder itself could not be listed
    QList<StudentFigures> students;      // by login, then user code
    QList<ProblemFigures> problems;      // problems 1 to 30
    QList<LectureFigures> lectures;      // lectures 1 to 10
    QList<SkippedFile> skipped;          // by name
};

} // namespace piyota::teacher
