// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printed_table.h"

#include "print_style.h"

#include <QAbstractItemModel>

#include <algorithm>
#include <numeric>

namespace piyota::teacher {

namespace {

constexpr double kCellPadding = 3;
constexpr double kRuleWidth = 0.5;
// A column given exactly its heading's width may come out a rounding error narrower.
constexpr double kWidthTolerance = 0.01;

// A cell as printed: what the model gives for it, taken once.
struct PrintedCell {
    QString text;
    int alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool bold = false;
    QColor shade; // invalid: none
};
using PrintedRow = QList<PrintedCell>;

PrintedRow headingRow(const QAbstractItemModel &table)
{
    PrintedRow row;
    for (int column = 0; column < table.columnCount(); ++column)
        row.append({table.headerData(column, Qt::Horizontal).toString(), Qt::AlignCenter, true, kHeadingShade});
    return row;
}

PrintedRow rowOf(const QAbstractItemModel &table, int row)
{
    PrintedRow cells;
    for (int column = 0; column < table.columnCount(); ++column) {
        const QModelIndex cell = table.index(row, column);
        const QVariant alignment = cell.data(Qt::TextAlignmentRole);
        cells.append({cell.data().toString(),
                      alignment.isValid() ? alignment.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter),
                      cell.data(Qt::FontRole).value<QFont>().bold(), cell.data(Qt::BackgroundRole).value<QColor>()});
    }
    return cells;
}

double naturalWidth(const PrintedCell &cell)
{
    QFont face = printFont();
    face.setBold(cell.bold);
    return text_measure::width(cell.text, face, kTextPoints) + 2 * kCellPadding;
}

// Each column as wide as its widest cell and the longer line of its heading
// on two lines, the whole as wide as `width`: more room goes to the
// headings, then is shared out in proportion; less is taken from the
// widest columns.
QList<double> columnWidths(const PrintedRow &headings, const QList<PrintedRow> &rows, double width)
{
    const double narrowest = 2 * kTextPoints + 2 * kCellPadding; // two characters
    QList<double> widths;
    for (qsizetype column = 0; column < headings.size(); ++column) {
        double widest = narrowest;
        for (const QString &line : headingLines(headings[column].text)) {
            PrintedCell part = headings[column];
            part.text = line;
            widest = std::max(widest, naturalWidth(part));
        }
        for (const PrintedRow &row : rows)
            widest = std::max(widest, naturalWidth(row[column]));
        widths.append(widest);
    }
    const auto total = [&widths] { return std::accumulate(widths.begin(), widths.end(), 0.0); };
    if (total() > width) {
        // The widest columns are cut down to a common width that makes the table fit.
        double low = narrowest;
        double high = *std::max_element(widths.begin(), widths.end());
        const QList<double> natural = widths;
        for (int step = 0; step < 40; ++step) {
            const double cap = (low + high) / 2;
            double sum = 0;
            for (double w : natural)
                sum += std::min(w, cap);
            (sum > width ? high : low) = cap;
        }
        for (double &w : widths)
            w = std::min(w, low);
    }
    // The headings take what they need of the room left, then the rest is shared out.
    for (qsizetype column = 0; column < widths.size() && total() < width; ++column) {
        const double wanted = naturalWidth(headings[column]) - widths[column];
        widths[column] += std::clamp(wanted, 0.0, width - total());
    }
    const double scale = width / total();
    for (double &w : widths)
        w *= scale;
    return widths;
}

double rowHeight(const PrintedRow &row, const QList<double> &widths)
{
    double height = 0;
    for (qsizetype column = 0; column < row.size(); ++column) {
        QFont face = printFont();
        face.setBold(row[column].bold);
        height = std::max(height, text_measure::wrappedHeight(row[column].text, face, kTextPoints,
                                                              widths[column] - 2 * kCellPadding));
    }
    return height + 2 * kCellPadding;
}

PrintedPiece printedRow(const PrintedRow &row, const QList<double> &widths)
{
    return {rowHeight(row, widths), [row, widths](PagePainter &page, const QRectF &area) {
                double x = area.left();
                for (qsizetype column = 0; column < row.size(); ++column) {
                    const QRectF cell(x, area.top(), widths[column], area.height());
                    const PrintedCell &printed = row[column];
                    if (printed.shade.isValid())
                        page.fillRect(cell, printed.shade);
                    QFont face = printFont();
                    face.setBold(printed.bold);
                    // Text may reach into the padding: the device's glyphs may be a hair wider than measured.
                    page.drawText(cell.adjusted(kCellPadding / 2, 0, -kCellPadding / 2, 0),
                                  printed.alignment | Qt::TextWordWrap, printed.text, face, kTextPoints);
                    page.drawLine(cell.topLeft(), cell.bottomLeft(), kRuleWidth, kRuleColour);
                    x += widths[column];
                }
                page.drawLine({x, area.top()}, {x, area.bottom()}, kRuleWidth, kRuleColour);
                page.drawLine(area.topLeft(), area.topRight(), kRuleWidth, kRuleColour);
                page.drawLine(area.bottomLeft(), area.bottomRight(), kRuleWidth, kRuleColour);
            }};
}

// Where a word starts after hiragana (「到達した｜問題」): a place to break.
bool startsWord(QChar before, QChar at)
{
    const auto hiragana = [](QChar c) { return c.unicode() >= 0x3041 && c.unicode() <= 0x309F; };
    return hiragana(before) && !hiragana(at);
}

} // namespace

QStringList headingLines(const QString &heading)
{
    if (heading.size() < 2)
        return {heading};
    const qsizetype bracket = heading.indexOf(QChar(0xFF08)); // （
    if (bracket > 0)
        return {heading.left(bracket), heading.mid(bracket)};
    // The most even break where a word starts, the longer line first; else the middle.
    qsizetype best = (heading.size() + 1) / 2;
    qsizetype bestLonger = heading.size();
    for (qsizetype at = 1; at < heading.size(); ++at) {
        const qsizetype longer = std::max(at, heading.size() - at);
        if (startsWord(heading[at - 1], heading[at]) && longer <= bestLonger) {
            best = at;
            bestLonger = longer;
        }
    }
    return {heading.left(best), heading.mid(best)};
}

PrintedPiece printedHeading(const QString &heading, double width)
{
    QFont face = printFont();
    face.setBold(true);
    const double height = text_measure::wrappedHeight(heading, face, kHeadingPoints, width) + 6;
    return {height, [heading](PagePainter &page, const QRectF &area) {
                QFont bold = printFont();
                bold.setBold(true);
                page.drawText(area, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, heading, bold, kHeadingPoints);
            }};
}

PrintedPiece printedNote(const QString &note, double width)
{
    const double height = text_measure::wrappedHeight(note, printFont(), kTextPoints, width) + 4;
    return {height, [note](PagePainter &page, const QRectF &area) {
                page.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, note, printFont(), kTextPoints);
            }};
}

PrintedBlock printedTable(const QAbstractItemModel &table, const QString &heading, const QString &note, double width)
{
    const PrintedRow headings = headingRow(table);
    QList<PrintedRow> rows;
    for (int row = 0; row < table.rowCount(); ++row)
        rows.append(rowOf(table, row));
    const QList<double> widths = columnWidths(headings, rows, width);
    // A heading wider than its column takes two lines, broken where it reads well.
    PrintedRow shownHeadings = headings;
    for (qsizetype column = 0; column < headings.size(); ++column) {
        if (naturalWidth(headings[column]) > widths[column] + kWidthTolerance)
            shownHeadings[column].text = headingLines(headings[column].text).join(QLatin1Char('\n'));
    }

    PrintedBlock block;
    block.lead.append(printedHeading(heading, width));
    if (!note.isEmpty())
        block.lead.append(printedNote(note, width));
    block.header = printedRow(shownHeadings, widths);
    for (const PrintedRow &row : rows)
        block.pieces.append(printedRow(row, widths));
    return block;
}

} // namespace piyota::teacher
