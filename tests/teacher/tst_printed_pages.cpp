// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pages laid out for paper: where each piece of a block lands, the heading
// row again on every page a table continues on, and nothing split.

#include "printed_document.h"
#include "printed_table.h"
#include "pdf_tools.h"

#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

using namespace piyota;
using namespace piyota::teacher;
using namespace Qt::StringLiterals;

namespace {

PrintedPiece piece(double height)
{
    return {height, [](PagePainter &, const QRectF &) {}};
}

// A table: a heading of 20 points, a heading row of 10 and `rows` rows of `rowHeight`.
PrintedBlock table(int rows, double rowHeight)
{
    PrintedBlock block;
    block.lead.append(piece(20));
    block.header = piece(10);
    for (int row = 0; row < rows; ++row)
        block.pieces.append(piece(rowHeight));
    return block;
}

// Each page as the tops of its pieces, in points.
QList<QList<double>> tops(const QList<PlacedPage> &pages)
{
    QList<QList<double>> all;
    for (const PlacedPage &page : pages) {
        QList<double> placed;
        for (const PlacedPiece &piece : page)
            placed.append(piece.top);
        all.append(placed);
    }
    return all;
}

} // namespace

class PrintedPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aTableContinuesUnderItsHeadingRowRepeated()
    {
        const QList<PrintedBlock> blocks{table(5, 30)};
        // 100 points a page: heading, heading row and two rows (20 + 10 + 60); then the heading row again.
        const QList<PlacedPage> pages = paginate(blocks, 100);
        QCOMPARE(tops(pages), QList<QList<double>>({{0, 20, 30, 60}, {0, 10, 40, 70}}));
        QCOMPARE(pages[1][0].piece, &*blocks[0].header);
        QCOMPARE(pages[1][3].piece, &blocks[0].pieces[4]);
    }

    void aRowThatFitsExactlyStaysAndOneAPointTooTallMoves()
    {
        QCOMPARE(paginate({table(3, 20)}, 90).size(), 1);      // 20 + 10 + 3 × 20 = 90
        QCOMPARE(paginate({table(3, 20)}, 89.5).size(), 2);
    }

    void aBlockStartsAPageRatherThanLeaveItsHeadingAlone()
    {
        // The first table ends at 70; with the gap the second's heading, heading row and
        // first row would need up to 144 of a page of 130: it goes to the next page whole.
        const QList<PlacedPage> pages = paginate({table(2, 20), table(2, 30)}, 130);
        QCOMPARE(tops(pages), QList<QList<double>>({{0, 20, 30, 50}, {0, 20, 30, 60}}));
        // On a taller page it follows 14 points below the first.
        QCOMPARE(tops(paginate({table(2, 20), table(2, 30)}, 200)),
                 QList<QList<double>>({{0, 20, 30, 50, 84, 104, 114, 144}}));
    }

    void aPieceTallerThanAPageStillPrintsAndNothingIsLost()
    {
        PrintedBlock chart;
        chart.pieces.append(piece(500));
        const QList<PlacedPage> pages = paginate({table(1, 10), chart}, 300);
        QCOMPARE(tops(pages), QList<QList<double>>({{0, 20, 30}, {0}}));
        QCOMPARE(paginate({}, 300).size(), 1); // an empty report is one page
    }

    void aBlockMayStartAPageOfItsOwn()
    {
        PrintedBlock key = table(2, 10);
        key.startsPage = true;
        QCOMPARE(tops(paginate({table(1, 10), key}, 300)), (QList<QList<double>>{{0, 20, 30}, {0, 20, 30, 40}}));
        QCOMPARE(paginate({key}, 300).size(), 1); // not after an empty page
    }

    void aHeadingOfTwoLinesBreaksWhereItReads()
    {
        QCOMPARE(headingLines(u"時間の合計（秒）"_s), (QStringList{u"時間の合計"_s, u"（秒）"_s}));
        QCOMPARE(headingLines(u"時間の中央値（秒）"_s), (QStringList{u"時間の中央値"_s, u"（秒）"_s}));
        QCOMPARE(headingLines(u"ユーザーコード"_s), (QStringList{u"ユーザー"_s, u"コード"_s}));
        QCOMPARE(headingLines(u"到達した問題"_s), (QStringList{u"到達した"_s, u"問題"_s}));
        QCOMPARE(headingLines(u"解き終えた人数"_s), (QStringList{u"解き終えた"_s, u"人数"_s}));
        QCOMPARE(headingLines(u"間違いの多い問題"_s), (QStringList{u"間違いの"_s, u"多い問題"_s}));
        QCOMPARE(headingLines(u"最終保存"_s), (QStringList{u"最終"_s, u"保存"_s}));
        QCOMPARE(headingLines(u"得"_s), QStringList{u"得"_s});
    }

    // A column wider than its heading's longer line, but not wide enough for
    // the whole heading, printed and read back: the heading still breaks
    // where it reads, not where the column ends.
    void aHeadingBreaksWhereItReadsInAWiderColumn()
    {
        if (const QString missing = pdf_tools::missingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing + u" (poppler-utils) not installed"_s));
        QStandardItemModel model(0, 2);
        model.setHorizontalHeaderLabels({u"ユーザーコード"_s, u"説明"_s});
        model.appendRow({new QStandardItem(u"0012345678901"_s), new QStandardItem(QString(40, QChar(0x3042)))});
        QTemporaryDir folder;
        const QString pdf = folder.filePath(u"table.pdf"_s);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(pdfOf({u"T"_s, u"A"_s, QDateTime()}, {printedTable(model, u"H"_s, QString(), 200)}));
        file.close();
        QStringList words;
        static const QRegularExpression word(u"<word [^>]*>([^<]*)</word>"_s);
        for (const auto &found : word.globalMatch(pdf_tools::run(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s})))
            words << found.captured(1);
        QVERIFY2(words.contains(u"ユーザー"_s) && words.contains(u"コード"_s), qPrintable(words.join(u' ')));
    }

    void pagesAreA4Upright()
    {
        const QPageLayout layout = a4PageLayout();
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
    }
};

QTEST_MAIN(PrintedPagesTest)
#include "tst_printed_pages.moc"
