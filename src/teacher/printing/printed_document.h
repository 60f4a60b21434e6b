// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "page_painter.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;

namespace piyota::teacher {

// A part of a printed page that is never split across pages: a heading, a
// table's row, a chart. It paints itself into the rectangle it is given,
// as wide as the page's text and `height` points high.
struct PrintedPiece {
    double height = 0;
    std::function<void(PagePainter &, const QRectF &)> paint;
};

// Pieces printed one under another: the lead (a heading, a note) stays on
// the page of the first piece; the header (a table's heading row) comes
// before the first piece and again at the top of each page the pieces
// continue on. A block may start a page of its own (an answer key after
// the questions).
struct PrintedBlock {
    QList<PrintedPiece> lead;
    std::optional<PrintedPiece> header;
    QList<PrintedPiece> pieces;
    bool startsPage = false;
};

// What frames every page: the title and what it is about at the top, with
// the date and time it was made, and the page's number at the foot.
struct PageFrame {
    QString title;
    QString about;
    QDateTime madeAt;
};

// A piece placed on a page, `top` points below the top of the page's text.
struct PlacedPiece {
    const PrintedPiece *piece = nullptr;
    double top = 0;
};
using PlacedPage = QList<PlacedPiece>;

// The blocks laid out on pages whose text is `textHeight` points high, a
// gap between blocks; a piece that does not fit on what is left of a page
// starts the next page. Always at least one page.
QList<PlacedPage> paginate(const QList<PrintedBlock> &blocks, double textHeight);

// A4 upright, with margins a printer can print within.
QPageLayout a4PageLayout();

// The points across and down the text of a page of a4PageLayout() inside
// the frame.
double a4TextWidth();
double a4TextHeight();

// Paints the pages on a printer or a PDF writer as its page layout says;
// false when the device could not be painted on.
bool printDocument(QPagedPaintDevice &device, const PageFrame &frame, const QList<PrintedBlock> &blocks);

// The pages as a PDF file (A4).
QByteArray pdfOf(const PageFrame &frame, const QList<PrintedBlock> &blocks);

} // namespace piyota::teacher
