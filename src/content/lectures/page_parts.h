#pragma once

#include "content/lectures/lecture.h"

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

} // namespace piyota::content
