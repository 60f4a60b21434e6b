// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "table_columns.h"

#include <QAbstractTableModel>
#include <QList>

namespace piyota::teacher {

// A table of the overview: one row per item of `Row`, the columns and their
// headings, tooltips and kinds given once. A table says what each cell
// shows and what it sorts by; figures stand to the right, texts to the left.
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
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const final
    {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid))
            return {};
        const Row &row = rows_[index.row()];
        switch (role) {
        case Qt::DisplayRole:
            return text(row, index.column());
        case kSortRole:
            return sortValue(row, index.column());
        case Qt::TextAlignmentRole:
            return columnAlignment(columns_, index.column());
        default:
            return look(row, index.column(), role);
        }
    }

protected:
    // What the cell shows.
    virtual QString text(const Row &row, int column) const = 0;
    // The value behind it; the text unless a table says otherwise.
    virtual QVariant sortValue(const Row &row, int column) const { return text(row, column); }
    // Any other role of the cell (its shade, font, tooltip); nothing unless a table says otherwise.
    virtual QVariant look(const Row &, int, int) const { return {}; }

private:
    QList<Column> columns_;
    QList<Row> rows_;
};

} // namespace piyota::teacher
