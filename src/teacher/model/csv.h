// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

class QAbstractItemModel;

namespace piyota::teacher {

// A table as CSV that spreadsheet programs open in Japanese: UTF-8 with a
// byte-order mark, CRLF line ends, the header row and then the rows as the
// model gives them (a sorted proxy gives them as shown). A field is quoted
// when it holds a comma, a double quote or a line break, its quotes doubled
// (RFC 4180). Figures are written as shown, with their fixed decimals; a
// text (a heading, or a cell of a text column) that a spreadsheet would run
// as a formula or read as a number is guarded (csvGuarded()).
QByteArray csvOf(const QAbstractItemModel &table);

// A text as CSV writes it, before quoting: after an apostrophe when it
// starts with "=", "+", "-", "@", a tab or a carriage return, or when a
// spreadsheet would read it as a number, a date or a time (only digits,
// spaces and ". , : / % e E + -", and a digit among them: "0012", "1e5",
// "12:30"); as it is otherwise.
QString csvGuarded(const QString &text);

} // namespace piyota::teacher
