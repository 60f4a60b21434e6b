#include "class_report.h"

#include "overview_title.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

namespace piyota::teacher {

namespace {

const QUrl kChartName(QStringLiteral("chart.png"));

QString alignmentOf(const QModelIndex &cell)
{
    const auto alignment = Qt::Alignment(cell.data(Qt::TextAlignmentRole).toInt());
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    return alignment & Qt::AlignHCenter ? QStringLiteral("center") : QStringLiteral("left");
}

QString htmlCell(const QModelIndex &cell)
{
    QString text = cell.data().toString().toHtmlEscaped();
    if (cell.data(Qt::FontRole).value<QFont>().bold())
        text = QStringLiteral("<b>%1</b>").arg(text);
    const QVariant shade = cell.data(Qt::BackgroundRole);
    const QString background =
        shade.isValid() ? QStringLiteral(" bgcolor=\"%1\"").arg(shade.value<QColor>().name()) : QString();
    return QStringLiteral("<td align=\"%1\"%2>%3</td>").arg(alignmentOf(cell), background, text);
}

QString htmlTable(const QAbstractItemModel &table)
{
    QString html = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><thead><tr>");
    for (int column = 0; column < table.columnCount(); ++column)
        html += QStringLiteral("<th>%1</th>").arg(table.headerData(column, Qt::Horizontal).toString().toHtmlEscaped());
    html += QStringLiteral("</tr></thead>");
    for (int row = 0; row < table.rowCount(); ++row) {
        html += QStringLiteral("<tr>");
        for (int column = 0; column < table.columnCount(); ++column)
            html += htmlCell(table.index(row, column));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

std::unique_ptr<QTextDocument> classReport(const ReportContents &contents)
{
    auto report = std::make_unique<QTextDocument>();
    report->addResource(QTextDocument::ImageResource, kChartName, contents.chart);
    QString html = QStringLiteral("<h2>%1　クラスの結果</h2><p>フォルダ：%2</p>")
                       .arg(overviewTitle(), contents.folder.toHtmlEscaped());
    html += QStringLiteral("<h3>生徒ごと</h3>") + htmlTable(*contents.students);
    html += QStringLiteral("<h3>問題ごと</h3><p>★ は間違いの平均が特に多い問題です。</p>") + htmlTable(*contents.problems);
    html += QStringLiteral("<p><img src=\"%1\" width=\"%2\"></p>").arg(kChartName.toString()).arg(kReportChartWidth);
    if (contents.skipped->rowCount() > 0)
        html += QStringLiteral("<h3>読めなかったファイル</h3>") + htmlTable(*contents.skipped);
    report->setHtml(html);
    return report;
}

bool writeReportPdf(QTextDocument &report, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(overviewTitle());
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
        report.print(&pdf);
    } // the PDF is complete once its writer is gone
    return file.commit();
}

} // namespace piyota::teacher
