#pragma once

#include "printed_document.h"

#include <QString>

class QAbstractItemModel;

namespace piyota::teacher {

// A table as printed, `width` points across: a heading above it (and a
// note under the heading, when there is one), its heading row repeated on
// every page it continues on, one piece per row. Columns are as wide as
// their widest cell; where that is wider than the page, the widest columns
// give way and their cells wrap, and headings wrap within their columns.
// Each cell keeps the shading, bold and alignment the model gives it.
PrintedBlock printedTable(const QAbstractItemModel &table, const QString &heading, const QString &note, double width);

// A heading as printed on its own, `width` points across.
PrintedPiece printedHeading(const QString &heading, double width);

// A line of text under a heading.
PrintedPiece printedNote(const QString &note, double width);

} // namespace piyota::teacher
