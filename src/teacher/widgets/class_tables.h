// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "class_overview.h"
#include "lecture_table_model.h"
#include "problem_table_model.h"
#include "skipped_files_model.h"
#include "student_table_model.h"

namespace piyota::teacher {

// The tables' names: the window's tabs, the report's headings, the workbook's sheets.
inline const QString kStudentsTitle = QStringLiteral("生徒ごと");
inline const QString kProblemsTitle = QStringLiteral("問題ごと");
inline const QString kLecturesTitle = QStringLiteral("講義ごと");
inline const QString kSkippedTitle = QStringLiteral("読めなかったファイル");

// The tables of one overview, as the window shows them and every output
// writes them.
struct ClassTables {
    StudentTableModel students;
    ProblemTableModel problems;
    LectureTableModel lectures;
    SkippedFilesModel skipped;

    void show(const ClassOverview &overview)
    {
        students.setRows(overview.students);
        problems.setRows(overview.problems);
        lectures.setRows(overview.lectures);
        skipped.setRows(overview.skipped);
    }
};

} // namespace piyota::teacher
