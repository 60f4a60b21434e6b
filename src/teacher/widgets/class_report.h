// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printed_document.h"
#include "problem_figures.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class QAbstractItemModel;
class QPagedPaintDevice;

namespace piyota::teacher {

// The class report: what it is made of, its tables in the order they are
// shown (a sorted view gives them sorted).
struct ReportContents {
    QString folder;
    QDateTime madeAt;
    const QAbstractItemModel *students = nullptr;
    const QAbstractItemModel *problems = nullptr;
    const QAbstractItemModel *lectures = nullptr;
    const QAbstractItemModel *skipped = nullptr; // printed when it has rows
    QList<ProblemFigures> problemFigures;        // for the chart
};

// The report on A4 pages: the frame (title, folder, date and time, page
// number), the students, the problems with their chart, the lectures, and
// the files not read. The same drawing for the preview, a printer and PDF.
bool printClassReport(QPagedPaintDevice &device, const ReportContents &contents);
QByteArray classReportPdf(const ReportContents &contents);

// The report as a workbook: a sheet per table.
std::optional<QByteArray> classReportSpreadsheet(const ReportContents &contents);

} // namespace piyota::teacher
