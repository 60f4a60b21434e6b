#pragma once

#include <QStringList>
#include <QVariant>

namespace piyota::teacher {

// The role the overview's tables sort by: the value behind the text shown
// (numbers as numbers, so that 10 comes after 9).
inline constexpr int kSortRole = Qt::UserRole;

// The heading of a column from a table's list of headings; nothing for rows
// and for other roles.
inline QVariant columnHeading(const QStringList &headings, int section, Qt::Orientation orientation, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= headings.size())
        return {};
    return headings[section];
}

} // namespace piyota::teacher
