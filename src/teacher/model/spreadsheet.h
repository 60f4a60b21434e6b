// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class QAbstractItemModel;

namespace piyota::teacher {

// A table and the name of its sheet.
struct SheetTable {
    QString name;
    const QAbstractItemModel *table = nullptr;
};

// The tables as an Excel workbook (.xlsx), one sheet each in the order
// given, with the rows as the models give them: a bold, frozen heading row
// with a filter, texts as text ("0012" stays "0012"), figures as numbers
// with their column's fixed decimals, dates as dates, the shading and bold
// of the rows that stand out, columns as wide as their headings and cells.
// Nothing when the workbook could not be made.
std::optional<QByteArray> spreadsheetOf(const QList<SheetTable> &sheets);

} // namespace piyota::teacher
