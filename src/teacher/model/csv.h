#pragma once

#include <QByteArray>

class QAbstractItemModel;

namespace piyota::teacher {

// A table as CSV that spreadsheet programs open in Japanese: UTF-8 with a
// byte-order mark, CRLF line ends, the header row and then the rows as the
// model gives them (a sorted proxy gives them as shown). A field is quoted
// when it holds a comma, a double quote or a line break, its quotes doubled
// (RFC 4180). A text that a spreadsheet would take for a formula (starting
// with "=", "+", "-" or "@", as a student's code may) is written after an
// apostrophe, which keeps it text; numbers are written as they are.
QByteArray csvOf(const QAbstractItemModel &table);

} // namespace piyota::teacher
