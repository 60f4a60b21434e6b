#pragma once

#include "class_overview.h"

#include <QAbstractTableModel>
#include <QList>

namespace piyota::teacher {

// The files of the folder that were not read, each with the reason.
class SkippedFilesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FileName, Reason, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setSkipped(QList<SkippedFile> skipped);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<SkippedFile> skipped_;
};

} // namespace piyota::teacher
