// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "row_table_model.h"
#include "student_figures.h"

namespace piyota::teacher {

// One row per student: the login and the user code, the problem reached
// (修了 when the course is done, 進行中 beside a problem started and not
// finished, 未着手 beside one not begun), the score, the wrong answers, the
// seconds of the finished problems, when the file was last saved, and the
// problems with the most wrong answers.
class StudentTableModel final : public RowTableModel<StudentFigures> {
    Q_OBJECT
public:
    enum Column { Login, UserCode, ProblemReached, Score, TotalMisses, TotalSeconds, LastSaved, MostMissed };

    explicit StudentTableModel(QObject *parent = nullptr);

private:
    QString text(const StudentFigures &student, int column) const override;
    QVariant sortValue(const StudentFigures &student, int column) const override;
    // The problem reached says in its tooltip what its mark means.
    QVariant look(const StudentFigures &student, int column, int role) const override;
};

// When a file was saved, as every output shows it: "2024-05-01 14:32".
QString savedAtText(const QDateTime &saved);

} // namespace piyota::teacher
