// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_page_drawing.h"

#include "page_player.h"
#include "panel_layout.h"

#include <QPainter>

#include <algorithm>

namespace piyota {

namespace {

using content::draw::Panel;

PanelLayout layoutOf(Panel panel)
{
    switch (panel) {
    case Panel::Text:
        return lectureTextPanel();
    case Panel::Graph:
        return lectureGraphPanel();
    case Panel::Speech:
        return lectureSpeechBox();
    }
    return lectureTextPanel();
}

} // namespace

LecturePageDrawing::LecturePageDrawing(const content::Lecture &lecture, std::size_t page)
    : text_(lectureTextPanel().drawingSize(), lectureTextPanel().font)
    , graph_(lectureGraphPanel().drawingSize(), lectureGraphPanel().font)
    , speech_(lectureSpeechBox().drawingSize(), lectureSpeechBox().font)
{
    const LecturePanels panels{text_.surface(), graph_.surface(), speech_.surface()};
    performIntroduction(lecture, panels);
    for (std::size_t index = 0; index < std::min(page, lecture.pages.size()); ++index)
        performPage(lecture, index, panels);
}

void LecturePageDrawing::paint(QPainter &painter, const QRectF &target, bool withSpeech) const
{
    std::vector<Panel> shown{Panel::Text, Panel::Graph};
    if (withSpeech)
        shown.push_back(Panel::Speech);
    QRect screen;
    for (const Panel panel : shown)
        screen |= layoutOf(panel).geometry;
    const QRectF page = fitted(screen.size(), target);
    const double scale = page.width() / screen.width();
    const auto onPage = [&](const QRectF &onScreen) {
        return QRectF(page.topLeft() + (onScreen.topLeft() - screen.topLeft()) * scale, onScreen.size() * scale);
    };
    painter.save();
    painter.setPen(QPen(Qt::darkGray, PanelLayout::kFramePixels * scale));
    for (const Panel panel : shown) {
        const QRectF frame = layoutOf(panel).geometry;
        const double half = PanelLayout::kFramePixels / 2.0;
        painter.drawRect(onPage(frame.adjusted(half, half, -half, -half)));
        const double inside = PanelLayout::kFramePixels;
        paintPanel(painter, panel, onPage(frame.adjusted(inside, inside, -inside, -inside)));
    }
    painter.restore();
}

void LecturePageDrawing::paintPanel(QPainter &painter, Panel panel, const QRectF &target) const
{
    recorded(panel).paint(painter, target);
}

const RecordedPanel &LecturePageDrawing::recorded(Panel panel) const
{
    switch (panel) {
    case Panel::Text:
        return text_;
    case Panel::Graph:
        return graph_;
    case Panel::Speech:
        return speech_;
    }
    return text_;
}

} // namespace piyota
