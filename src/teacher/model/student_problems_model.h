// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "row_table_model.h"
#include "student_figures.h"

namespace piyota::teacher {

// Where one student stands on one problem.
enum class ProblemState { NotReached, NotBegun, InProgress, Finished };

struct StudentProblem {
    int problem = 0;
    int lecture = 0; // the lecture that explains it
    ProblemState state = ProblemState::NotReached;
    int misses = 0;
    double seconds = 0; // of a finished problem
};

// One student's 30 problems: the lecture each belongs to, how far the
// student has come on it, the wrong answers and the seconds taken.
class StudentProblemsModel final : public RowTableModel<StudentProblem> {
    Q_OBJECT
public:
    enum Column { Problem, Lecture, State, Misses, Seconds };

    explicit StudentProblemsModel(const StudentFigures &student, QObject *parent = nullptr);

private:
    QString text(const StudentProblem &problem, int column) const override;
};

} // namespace piyota::teacher
