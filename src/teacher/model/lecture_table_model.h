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

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};

} // namespace piyota::teacher
