// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QList>
#include <QString>
#include <QWidget>

namespace piyota::testing {

// One object of a window as a screen reader finds it.
struct AccessibleNode {
    QWidget *widget;
    QAccessible::Role role;
    QString name;
    QString description;
};

// Every object below the interface, as a screen reader walks the tree:
// parent first, then its children in order.
inline QList<AccessibleNode> accessibleDescendants(QAccessibleInterface *parent)
{
    QList<AccessibleNode> nodes;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *child = parent->child(i);
        if (!child || !child->isValid() || !child->object() || !child->object()->isWidgetType())
            continue;
        nodes.append({static_cast<QWidget *>(child->object()), child->role(), child->text(QAccessible::Name),
                      child->text(QAccessible::Description)});
        nodes.append(accessibleDescendants(child));
    }
    return nodes;
}

} // namespace piyota::testing
