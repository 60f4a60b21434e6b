#include "csv.h"

#include <QAbstractItemModel>
#include <QRegularExpression>
#include <QStringList>

namespace piyota::teacher {

namespace {

bool isPlainNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return number.match(text).hasMatch();
}

bool startsLikeFormula(const QString &text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && formulaStarts.contains(text.front()) && !isPlainNumber(text);
}

QString csvField(QString text)
{
    if (startsLikeFormula(text))
        text.prepend(QLatin1Char('\''));
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
        written.append(csvField(field));
    return written.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

} // namespace

QByteArray csvOf(const QAbstractItemModel &table)
{
    QByteArray csv = QByteArrayLiteral("\xEF\xBB\xBF");
    QStringList header;
    for (int column = 0; column < table.columnCount(); ++column)
        header.append(table.headerData(column, Qt::Horizontal).toString());
    csv += csvLine(header);
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < table.columnCount(); ++column)
            fields.append(table.index(row, column).data().toString());
        csv += csvLine(fields);
    }
    return csv;
}

} // namespace piyota::teacher
