// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lecture_figures.h"
#include "row_table_model.h"

namespace piyota::teacher {

// One row per lecture of the math doctor: its topic, the problems it
// explains, and the class's wrong answers on them, so that the topics the
// class finds hard show.
class LectureTableModel final : public RowTableModel<LectureFigures> {
    Q_OBJECT
public:
    enum Column { Lecture, Topic, Problems, Reached, TotalMisses, AverageMisses };

    explicit LectureTableModel(QObject *parent = nullptr);

private:
    QString text(const LectureFigures &lecture, int column) const override;
    QVariant sortValue(const LectureFigures &lecture, int column) const override;
};

} // namespace piyota::teacher
