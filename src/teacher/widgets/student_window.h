// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "student_figures.h"

#include <QDialog>

namespace piyota::teacher {

// One student's view: who it is, the score, how far the student has come
// and when the file was last saved, and the 30 problems with the lecture
// each belongs to, how far the student has come on it, the wrong answers
// and the seconds. Closes itself and goes when closed.
class StudentWindow final : public QDialog {
    Q_OBJECT
public:
    StudentWindow(const StudentFigures &student, QWidget *parent);
};

} // namespace piyota::teacher
