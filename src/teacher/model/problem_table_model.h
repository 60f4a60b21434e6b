// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem_figures.h"
#include "row_table_model.h"

#include <QColor>

namespace piyota::teacher {

// One row per problem across the class: the students who reached it and
// who finished it, the wrong answers in all and per student, and the median
// seconds. The rows of the hardest problems stand out: shaded, in bold and
// marked ★ under 要注意.
class ProblemTableModel final : public RowTableModel<ProblemFigures> {
    Q_OBJECT
public:
    enum Column { Problem, Reached, Finished, TotalMisses, AverageMisses, MedianSeconds, Attention };

    explicit ProblemTableModel(QObject *parent = nullptr);

    // The shading of the hardest problems' rows.
    static QColor hardestShade();

private:
    QString text(const ProblemFigures &problem, int column) const override;
    QVariant sortValue(const ProblemFigures &problem, int column) const override;
    // The hardest problems' rows shaded and in bold.
    QVariant look(const ProblemFigures &problem, int column, int role) const override;
};

} // namespace piyota::teacher
