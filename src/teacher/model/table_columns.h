// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace piyota::teacher {

// The role the overview's tables sort by: the value behind the text shown
// (numbers as numbers, so that 10 comes after 9).
inline constexpr int kSortRole = Qt::UserRole;

// A column's kind, asked of a table's heading with kColumnKindRole: the
// exports write a text as text, guarded against a spreadsheet's reading of
// it, and a figure as a number with the column's decimals.
inline constexpr int kColumnKindRole = Qt::UserRole + 1;
enum class ColumnKind { Text, Whole, OneDecimal, DateTime };

// A column of a table: its heading, what it counts (the heading's tooltip)
// and its kind.
struct Column {
    QString heading;
    QString help;
    ColumnKind kind = ColumnKind::Text;
};

// What a table tells of its column `section`; nothing for rows, for other
// roles and outside the columns.
inline QVariant columnHeading(const QList<Column> &columns, int section, Qt::Orientation orientation, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return columns[section].heading;
    case Qt::ToolTipRole:
        return columns[section].help;
    case kColumnKindRole:
        return QVariant::fromValue(columns[section].kind);
    default:
        return {};
    }
}

// Figures stand to the right, texts to the left.
inline QVariant columnAlignment(const QList<Column> &columns, int section)
{
    const bool figure = columns.value(section).kind == ColumnKind::Whole
                        || columns.value(section).kind == ColumnKind::OneDecimal;
    return int(Qt::AlignVCenter | (figure ? Qt::AlignRight : Qt::AlignLeft));
}

} // namespace piyota::teacher

Q_DECLARE_METATYPE(piyota::teacher::ColumnKind)
