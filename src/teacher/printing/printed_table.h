// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printed_document.h"

#include <QString>
#include <QStringList>

class QAbstractItemModel;

namespace piyota::teacher {

// A table as printed, `width` points across: a heading above it (and a
// note under the heading, when there is one), its heading row repeated on
// every page it continues on, one piece per row. Columns are as wide as
// their widest cell; where that is wider than the page, the widest columns
// give way and their cells wrap, and headings wrap within their columns.
// Each cell keeps the shading, bold and alignment the model gives it.
PrintedBlock printedTable(const QAbstractItemModel &table, const QString &heading, const QString &note, double width);

// A table's heading as it is printed on two lines when its column is too
// narrow for one: broken before an opening bracket (「時間の合計／（秒）」),
// else as evenly as can be where a word starts after hiragana
// (「到達した／問題」), else in the middle, the longer half first
// (「ユーザー／コード」).
QStringList headingLines(const QString &heading);

// A heading as printed on its own, `width` points across.
PrintedPiece printedHeading(const QString &heading, double width);

// A line of text under a heading.
PrintedPiece printedNote(const QString &note, double width);

} // namespace piyota::teacher
