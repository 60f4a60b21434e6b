#pragma once

#include "student_figures.h"

#include <QAbstractTableModel>
#include <QList>

namespace piyota::teacher {

// One row per student: the user code, the problem reached (修了 when the
// course is done, 進行中 beside a problem started and not finished), the
// score, the wrong answers, the seconds of the finished problems, and the
// problems with the most wrong answers.
class StudentTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { UserCode, ProblemReached, Score, TotalMisses, TotalSeconds, MostMissed, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setStudents(QList<StudentFigures> students);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<StudentFigures> students_;
};

} // namespace piyota::teacher
