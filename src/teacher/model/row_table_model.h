#pragma once

#include "table_columns.h"

#include <QAbstractTableModel>
#include <QList>

namespace piyota::teacher {

// A table of the overview: one row per item of `Row`, the columns and their
// headings, tooltips and kinds given once. A table says what each cell shows.
template <class Row>
class RowTableModel : public QAbstractTableModel {
public:
    RowTableModel(QList<Column> columns, QObject *parent) : QAbstractTableModel(parent), columns_(std::move(columns)) {}

    void setRows(QList<Row> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    const QList<Row> &rows() const { return rows_; }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(rows_.size()); }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(columns_.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override
    {
        return columnHeading(columns_, section, orientation, role);
    }

protected:
    // The row of a valid index of this table; nothing otherwise.
    const Row *rowOf(const QModelIndex &index) const
    {
        return checkIndex(index, CheckIndexOption::IndexIsValid) ? &rows_[index.row()] : nullptr;
    }
    QVariant alignmentOf(int column) const { return columnAlignment(columns_, column); }

private:
    QList<Column> columns_;
    QList<Row> rows_;
};

} // namespace piyota::teacher
