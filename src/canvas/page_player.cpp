// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_player.h"

#include "label_layout.h"
#include "surface.h"

namespace piyota {

namespace {

namespace draw = content::draw;

Surface &panelFor(draw::Panel panel, const LecturePanels &panels)
{
    switch (panel) {
    case draw::Panel::Text:
        return panels.text;
    case draw::Panel::Graph:
        return panels.graph;
    case draw::Panel::Speech:
        return panels.speech;
    }
    return panels.text;
}

// Page 0 is the introduction.
void perform(const content::Lecture &lecture, std::size_t page, const LecturePanels &panels)
{
    const LabelLayout labels(lecture, page, panels.graph.size(), panels.graph.font());
    const content::Page &ops = page == 0 ? lecture.introduction : lecture.pages[page - 1];
    Surface *panel = &panels.text;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (const auto *to = std::get_if<draw::ToPanel>(&ops[i])) {
            panel = &panelFor(to->panel, panels);
            continue;
        }
        performOperation(*panel, ops[i], panel == &panels.graph ? labels.placeOf(i) : nullptr);
    }
}

} // namespace

void performIntroduction(const content::Lecture &lecture, const LecturePanels &panels)
{
    perform(lecture, 0, panels);
}

void performPage(const content::Lecture &lecture, std::size_t index, const LecturePanels &panels)
{
    perform(lecture, index + 1, panels);
}

} // namespace piyota
