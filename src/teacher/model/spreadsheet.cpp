// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spreadsheet.h"

#include "table_columns.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QDateTime>
#include <QFile>
#include <QFont>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <tuple>

namespace piyota::teacher {

namespace {

// A column never grows wider than this many characters; a longer cell wraps.
constexpr double kWidestColumn = 60;

// The look of a cell: its column's kind, bold or not, and its shade (0: none).
using CellLook = std::tuple<ColumnKind, bool, QRgb>;

class Workbook {
public:
    explicit Workbook(const QString &path) : book_(workbook_new(QFile::encodeName(path).constData())) {}
    ~Workbook()
    {
        if (book_)
            workbook_close(book_);
    }
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    bool isOpen() const { return book_ != nullptr; }
    bool close() { return workbook_close(std::exchange(book_, nullptr)) == LXW_NO_ERROR; }

    void addSheet(const SheetTable &sheet)
    {
        lxw_worksheet *page = workbook_add_worksheet(book_, sheet.name.toUtf8().constData());
        const QAbstractItemModel &table = *sheet.table;
        QList<ColumnKind> kinds;
        for (int column = 0; column < table.columnCount(); ++column) {
            kinds.append(table.headerData(column, Qt::Horizontal, kColumnKindRole).value<ColumnKind>());
            const QString heading = table.headerData(column, Qt::Horizontal).toString();
            worksheet_write_string(page, 0, lxw_col_t(column), heading.toUtf8().constData(), headingFormat());
        }
        for (int row = 0; row < table.rowCount(); ++row) {
            for (int column = 0; column < table.columnCount(); ++column)
                writeCell(page, lxw_row_t(row + 1), lxw_col_t(column), table.index(row, column), kinds[column]);
        }
        for (int column = 0; column < table.columnCount(); ++column)
            worksheet_set_column(page, lxw_col_t(column), lxw_col_t(column), widthOf(table, column), nullptr);
        worksheet_freeze_panes(page, 1, 0);
        if (table.columnCount() > 0)
            worksheet_autofilter(page, 0, 0, lxw_row_t(table.rowCount()), lxw_col_t(table.columnCount() - 1));
    }

private:
    lxw_format *headingFormat()
    {
        if (!heading_) {
            heading_ = workbook_add_format(book_);
            format_set_bold(heading_);
            format_set_bg_color(heading_, 0xE8E8E8);
            format_set_bottom(heading_, LXW_BORDER_THIN);
        }
        return heading_;
    }

    lxw_format *cellFormat(const CellLook &look)
    {
        auto found = cells_.find(look);
        if (found != cells_.end())
            return found->second;
        const auto [kind, bold, shade] = look;
        lxw_format *format = workbook_add_format(book_);
        static const std::map<ColumnKind, const char *> numberFormats{{ColumnKind::Text, "@"},
                                                                      {ColumnKind::Whole, "0"},
                                                                      {ColumnKind::OneDecimal, "0.0"},
                                                                      {ColumnKind::DateTime, "yyyy-mm-dd hh:mm"}};
        format_set_num_format(format, numberFormats.at(kind));
        if (bold)
            format_set_bold(format);
        if (shade != 0) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, shade & 0xFFFFFF);
        }
        return cells_.emplace(look, format).first->second;
    }

    void writeCell(lxw_worksheet *page, lxw_row_t row, lxw_col_t column, const QModelIndex &cell, ColumnKind kind)
    {
        const QVariant shade = cell.data(Qt::BackgroundRole);
        lxw_format *format = cellFormat({kind, cell.data(Qt::FontRole).value<QFont>().bold(),
                                         shade.isValid() ? shade.value<QColor>().rgb() : 0});
        const QString text = cell.data().toString();
        if (text.isEmpty()) {
            worksheet_write_blank(page, row, column, format);
        } else if (kind == ColumnKind::Whole || kind == ColumnKind::OneDecimal) {
            worksheet_write_number(page, row, column, text.toDouble(), format);
        } else if (kind == ColumnKind::DateTime) {
            const QDateTime at = cell.data(kSortRole).toDateTime();
            lxw_datetime when{at.date().year(), at.date().month(), at.date().day(),
                              at.time().hour(), at.time().minute(), double(at.time().second())};
            worksheet_write_datetime(page, row, column, &when, format);
        } else {
            worksheet_write_string(page, row, column, text.toUtf8().constData(), format);
        }
    }

    // In the spreadsheet's units, about the width of a half-width character;
    // a Japanese character takes two.
    static double widthOf(const QAbstractItemModel &table, int column)
    {
        auto widthOfText = [](const QString &text) {
            double width = 0;
            for (const QChar c : text)
                width += c.unicode() < 0x2E80 ? 1 : 2;
            return width;
        };
        double widest = widthOfText(table.headerData(column, Qt::Horizontal).toString()) + 3; // and the filter's button
        for (int row = 0; row < table.rowCount(); ++row)
            widest = std::max(widest, widthOfText(table.index(row, column).data().toString()));
        return std::min(widest + 1, kWidestColumn);
    }

    lxw_workbook *book_ = nullptr;
    lxw_format *heading_ = nullptr;
    std::map<CellLook, lxw_format *> cells_;
};

} // namespace

std::optional<QByteArray> spreadsheetOf(const QList<SheetTable> &sheets)
{
    const QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("report.xlsx"));
    {
        Workbook book(path);
        if (!work.isValid() || !book.isOpen())
            return std::nullopt;
        for (const SheetTable &sheet : sheets)
            book.addSheet(sheet);
        if (!book.close())
            return std::nullopt;
    }
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly))
        return std::nullopt;
    return written.readAll();
}

} // namespace piyota::teacher
