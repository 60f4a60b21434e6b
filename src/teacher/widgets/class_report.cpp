// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "class_report.h"

#include "class_tables.h"
#include "overview_title.h"
#include "printed_table.h"
#include "problem_chart.h"
#include "spreadsheet.h"

#include <QAbstractItemModel>
#include <QDir>

namespace piyota::teacher {

namespace {

constexpr double kChartHeight = 270;

PageFrame frameOf(const ReportContents &contents)
{
    return {overviewTitle() + QStringLiteral("　クラスの結果"),
            QStringLiteral("フォルダ：%1").arg(QDir::toNativeSeparators(contents.folder)), contents.madeAt};
}

QList<PrintedBlock> blocksOf(const ReportContents &contents)
{
    const double width = a4TextWidth();
    QList<PrintedBlock> blocks{
        printedTable(*contents.students,
                     QStringLiteral("%1（%2人）").arg(kStudentsTitle).arg(contents.students->rowCount()),
                     QStringLiteral("到達した問題の（未着手）は、その問題をまだ始めていないことを示します。"), width),
        printedTable(*contents.problems, kProblemsTitle,
                     QStringLiteral("★ と色付きの行は、間違いの平均が特に多い問題です。間違いの平均は小数第１位まで、"
                                    "時間の中央値は秒未満を四捨五入しています。"),
                     width),
    };
    PrintedBlock chart;
    chart.lead.append(printedHeading(QStringLiteral("問題ごとのグラフ"), width));
    chart.pieces.append(printedProblemChart(contents.problemFigures, kChartHeight));
    blocks.append(chart);
    blocks.append(printedTable(*contents.lectures, kLecturesTitle,
                               QStringLiteral("講義で説明する問題ごとにまとめた間違いです。平均の多い講義の内容が、"
                                              "クラスの苦手なところです。"),
                               width));
    if (contents.skipped->rowCount() > 0)
        blocks.append(printedTable(*contents.skipped, kSkippedTitle, QString(), width));
    return blocks;
}

} // namespace

bool printClassReport(QPagedPaintDevice &device, const ReportContents &contents)
{
    return printDocument(device, frameOf(contents), blocksOf(contents));
}

QByteArray classReportPdf(const ReportContents &contents)
{
    return pdfOf(frameOf(contents), blocksOf(contents));
}

std::optional<QByteArray> classReportSpreadsheet(const ReportContents &contents)
{
    return spreadsheetOf({{kStudentsTitle, contents.students},
                          {kProblemsTitle, contents.problems},
                          {kLecturesTitle, contents.lectures},
                          {kSkippedTitle, contents.skipped}});
}

} // namespace piyota::teacher
