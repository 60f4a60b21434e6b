// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printed_document.h"

#include "print_style.h"

#include <QBuffer>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace piyota::teacher {

namespace {

// Room above the text for the frame's title and the line under it, and
// below it for the page's number.
constexpr double kFrameTop = 36;
constexpr double kFrameBottom = 22;
constexpr double kGapBetweenBlocks = 14;

double heightOf(const QList<PrintedPiece> &pieces)
{
    double height = 0;
    for (const PrintedPiece &piece : pieces)
        height += piece.height;
    return height;
}

void paintFrame(PagePainter &page, const PageFrame &frame, const QRectF &paper, int number, int count)
{
    const QFont face = printFont();
    const double line = text_measure::lineHeight(face, kTextPoints);
    const QString madeAt = QLocale(QLocale::Japanese).toString(frame.madeAt, QStringLiteral("yyyy年M月d日 HH:mm 作成"));
    const QRectF top(paper.left(), paper.top(), paper.width(), line * 1.3);
    page.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, frame.title, face, kHeadingPoints);
    page.drawText(top, Qt::AlignRight | Qt::AlignVCenter, madeAt, face, kTextPoints);
    const QRectF about(paper.left(), top.bottom(), paper.width(), line);
    page.drawText(about, Qt::AlignLeft | Qt::AlignVCenter, frame.about, face, kTextPoints);
    page.drawLine({paper.left(), about.bottom() + 2}, {paper.right(), about.bottom() + 2}, 0.7, Qt::black);
    const QRectF foot(paper.left(), paper.bottom() - line, paper.width(), line);
    page.drawText(foot, Qt::AlignCenter, QStringLiteral("%1 / %2 ページ").arg(number).arg(count), face,
                  kTextPoints);
}

} // namespace

QList<PlacedPage> paginate(const QList<PrintedBlock> &blocks, double textHeight)
{
    QList<PlacedPage> pages(1);
    double y = 0;
    auto place = [&](const PrintedPiece &piece) {
        pages.last().append(PlacedPiece{&piece, y});
        y += piece.height;
    };
    auto startPage = [&] {
        pages.append(PlacedPage());
        y = 0;
    };
    for (const PrintedBlock &block : blocks) {
        if (y > 0)
            y += kGapBetweenBlocks;
        const double header = block.header ? block.header->height : 0;
        const double first = block.pieces.isEmpty() ? 0 : block.pieces.front().height;
        if (y > 0 && (block.startsPage || y + heightOf(block.lead) + header + first > textHeight))
            startPage();
        for (const PrintedPiece &piece : block.lead)
            place(piece);
        if (block.header)
            place(*block.header);
        for (const PrintedPiece &piece : block.pieces) {
            if (y + piece.height > textHeight && y > header) {
                startPage();
                if (block.header)
                    place(*block.header);
            }
            place(piece);
        }
    }
    return pages;
}

QPageLayout a4PageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(40, 34, 40, 30),
                       QPageLayout::Point);
}

double a4TextWidth()
{
    return a4PageLayout().paintRect(QPageLayout::Point).width();
}

double a4TextHeight()
{
    return a4PageLayout().paintRect(QPageLayout::Point).height() - kFrameTop - kFrameBottom;
}

bool printDocument(QPagedPaintDevice &device, const PageFrame &frame, const QList<PrintedBlock> &blocks)
{
    const QRectF paper(QPointF(0, 0), device.pageLayout().paintRect(QPageLayout::Point).size());
    const QRectF text = paper.adjusted(0, kFrameTop, 0, -kFrameBottom);
    const QList<PlacedPage> pages = paginate(blocks, text.height());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    PagePainter page(painter, device.logicalDpiY() / 72.0);
    for (qsizetype number = 0; number < pages.size(); ++number) {
        if (number > 0 && !device.newPage())
            return false;
        paintFrame(page, frame, paper, int(number + 1), int(pages.size()));
        for (const PlacedPiece &placed : pages[number]) {
            placed.piece->paint(page,
                                QRectF(text.left(), text.top() + placed.top, text.width(), placed.piece->height));
        }
    }
    return painter.end();
}

QByteArray pdfOf(const PageFrame &frame, const QList<PrintedBlock> &blocks)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setTitle(frame.title);
        pdf.setCreator(frame.title);
        pdf.setPageLayout(a4PageLayout());
        printDocument(pdf, frame, blocks);
    } // the PDF is complete once its writer is gone
    return bytes.data();
}

} // namespace piyota::teacher
