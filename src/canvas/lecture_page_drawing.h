// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "recorded_panel.h"
#include "lectures/lecture.h"

class QPainter;
class QRectF;

namespace piyota {

// A page of a lecture as the student sees it once it is performed: what
// the introduction and the pages before it left on the lecture screen's
// three panels, and what it draws. It is drawn once, its labels placed as
// on the screen, and painted at any size on any painter: texts as text and
// curves as lines and points, so that a PDF or a printed page reads like
// the screen and stays sharp at any zoom.
class LecturePageDrawing {
public:
    // Page `page` of the lecture: 0 is the introduction, k the page the
    // k-th "次へ" shows (past the last page, the last).
    LecturePageDrawing(const content::Lecture &lecture, std::size_t page);

    // The text and graph panels, and the math doctor's speech box when
    // asked, in the places the lecture screen gives them, each in its
    // frame, scaled together to the largest size the target holds.
    void paint(QPainter &painter, const QRectF &target, bool withSpeech) const;
    // One panel, scaled to fill the target.
    void paintPanel(QPainter &painter, content::draw::Panel panel, const QRectF &target) const;

private:
    const RecordedPanel &recorded(content::draw::Panel panel) const;

    RecordedPanel text_;
    RecordedPanel graph_;
    RecordedPanel speech_;
};

} // namespace piyota
