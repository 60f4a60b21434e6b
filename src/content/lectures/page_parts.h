// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lecture.h"

// Pieces that several lectures' pages are built from.
namespace piyota::content {

// The page's operations, then the others.
inline Page joined(Page page, const Page &more)
{
    page.insert(page.end(), more.begin(), more.end());
    return page;
}

// Clears both panels, before a new example.
inline Page clearedPanels()
{
    return {op::text(), op::clear(), op::graph(), op::clear()};
}

// A graph panel's scale: (left, top) to (right, -top).
struct Axes {
    double left, top, right;
};

// The graph panel: its labels, then the scale and the two axes, each a
// little short of the panel's edges, then the curves drawn on them.
inline Page graphOnAxes(const Page &labels, const Axes &axes, const Page &curves)
{
    Page page = joined({op::graph()}, labels);
    page.insert(page.end(), {
                                op::scale(axes.left, axes.top, axes.right, -axes.top),
                                op::line(axes.left + 0.1, 0, axes.right - 0.1, 0),
                                op::line(0, axes.top - 1, 0, 1 - axes.top),
                            });
    return joined(std::move(page), curves);
}

} // namespace piyota::content
