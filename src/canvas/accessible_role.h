// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>

struct QMetaObject;

namespace piyota {

// Makes screen readers see the widgets of a class (and of its subclasses
// that have no role of their own) in the given role, named and described as
// any widget is: by its accessible name, or a window by its title, and its
// accessible description.
void setAccessibleRole(const QMetaObject &widgetClass, QAccessible::Role role);

} // namespace piyota
