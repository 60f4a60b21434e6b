// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csv.h"

#include "table_columns.h"

#include <QAbstractItemModel>
#include <QRegularExpression>
#include <QStringList>

namespace piyota::teacher {

namespace {

bool startsLikeFormula(const QString &text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && formulaStarts.contains(text.front());
}

bool readsAsNumber(const QString &text)
{
    static const QRegularExpression numberLike(QStringLiteral("^[0-9 .,:/%eE+-]*[0-9][0-9 .,:/%eE+-]*$"));
    return numberLike.match(text).hasMatch();
}

QString quoted(QString text)
{
    static const QRegularExpression needsQuotes(QStringLiteral("[,\"\r\n]"));
    if (!text.contains(needsQuotes))
        return text;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QByteArray csvLine(const QStringList &fields)
{
    QStringList written;
    for (const QString &field : fields)
        written.append(quoted(field));
    return written.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

} // namespace

QString csvGuarded(const QString &text)
{
    return startsLikeFormula(text) || readsAsNumber(text) ? QLatin1Char('\'') + text : text;
}

QByteArray csvOf(const QAbstractItemModel &table)
{
    QByteArray csv = QByteArrayLiteral("\xEF\xBB\xBF");
    QStringList header;
    QList<bool> textColumns;
    for (int column = 0; column < table.columnCount(); ++column) {
        header.append(csvGuarded(table.headerData(column, Qt::Horizontal).toString()));
        const QVariant kind = table.headerData(column, Qt::Horizontal, kColumnKindRole);
        textColumns.append(kind.value<ColumnKind>() == ColumnKind::Text);
    }
    csv += csvLine(header);
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < table.columnCount(); ++column) {
            const QString text = table.index(row, column).data().toString();
            fields.append(textColumns[column] ? csvGuarded(text) : text);
        }
        csv += csvLine(fields);
    }
    return csv;
}

} // namespace piyota::teacher
