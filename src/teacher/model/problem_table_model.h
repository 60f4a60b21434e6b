#pragma once

#include "problem_figures.h"

#include <QAbstractTableModel>
#include <QList>

namespace piyota::teacher {

// One row per problem across the class: the students who reached it and
// who finished it, the wrong answers in all and per student, and the median
// seconds. The rows of the hardest problems stand out: shaded, in bold and
// marked ★ under 要注意.
class ProblemTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Problem, Reached, Finished, TotalMisses, AverageMisses, MedianSeconds, Attention, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setProblems(QList<ProblemFigures> problems);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The shading of the hardest problems' rows.
    static QColor hardestShade();

private:
    QList<ProblemFigures> problems_;
};

} // namespace piyota::teacher
