#pragma once

#include <QImage>
#include <QString>

#include <memory>

class QAbstractItemModel;
class QTextDocument;

namespace piyota::teacher {

// The chart's width on the page, in the document's units (1/72 inch when
// printed); its picture is best drawn at twice that many pixels.
inline constexpr int kReportChartWidth = 480;

// What a printed overview holds: its tables in the order they are shown,
// and the chart.
struct ReportContents {
    QString folder;
    const QAbstractItemModel *students = nullptr;
    const QAbstractItemModel *problems = nullptr;
    const QAbstractItemModel *skipped = nullptr; // printed when it has rows
    QImage chart;
};

// The overview as a document for printing: a heading with the folder, the
// table of students, the table of problems (hardest rows shaded and in
// bold, as on the screen), the chart, and the files that were not read.
std::unique_ptr<QTextDocument> classReport(const ReportContents &contents);

// Writes the document as a PDF file; false when the file could not be written.
bool writeReportPdf(QTextDocument &report, const QString &path);

} // namespace piyota::teacher
