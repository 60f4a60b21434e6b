// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_handout.h"

#include "lecture_figures.h"
#include "lecture_page_drawing.h"
#include "lectures/lecture.h"
#include "print_style.h"

#include <QPainter>

#include <memory>

namespace piyota::teacher {

namespace {

constexpr double kCaptionGap = 4;
constexpr double kGapBelowPage = 18;

PrintedPiece printedPage(const content::Lecture &lecture, int page, bool withSpeech, double height)
{
    const auto drawing = std::make_shared<const LecturePageDrawing>(lecture, std::size_t(page));
    return {height, [drawing, caption = handoutPageCaption(page), withSpeech](PagePainter &paper, const QRectF &area) {
                QFont bold = printFont();
                bold.setBold(true);
                const double line = text_measure::lineHeight(bold, kHeadingPoints);
                paper.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                               caption, bold, kHeadingPoints);
                const QRectF panels = area.adjusted(0, line + kCaptionGap, 0, -kGapBelowPage);
                drawing->paint(paper.painter(), paper.toDevice(panels), withSpeech);
            }};
}

} // namespace

int lectureCount()
{
    return int(content::lectures().size());
}

QString handoutPageCaption(int page)
{
    return page == 0 ? QStringLiteral("はじめ") : QStringLiteral("%1 ページ目").arg(page);
}

TeachingMaterial lectureHandout(int lecture, bool withSpeech, const QDateTime &madeAt)
{
    const content::Lecture &shown = content::lectures().at(std::size_t(lecture - 1));
    TeachingMaterial handout{{QStringLiteral("第%1講　%2").arg(lecture).arg(lectureTopic(lecture)),
                              QStringLiteral("%1　数学博士の講義").arg(courseName()), madeAt},
                             {PrintedBlock()}};
    // Two pages to a sheet, a hair under half of it each so that rounding never pushes one over.
    const double height = (a4TextHeight() - 1) / 2;
    for (int page = 0; page <= int(shown.pages.size()); ++page)
        handout.blocks.front().pieces.append(printedPage(shown, page, withSpeech, height));
    return handout;
}

} // namespace piyota::teacher
