// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessible_role.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace piyota {

namespace {

QHash<QString, QAccessible::Role> &roles()
{
    static QHash<QString, QAccessible::Role> byClassName;
    return byClassName;
}

// Qt asks for each class of an object, most derived first.
QAccessibleInterface *interfaceWithRole(const QString &className, QObject *object)
{
    const auto role = roles().constFind(className);
    if (role == roles().constEnd() || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), *role);
}

} // namespace

void setAccessibleRole(const QMetaObject &widgetClass, QAccessible::Role role)
{
    if (roles().isEmpty())
        QAccessible::installFactory(interfaceWithRole);
    roles().insert(QString::fromLatin1(widgetClass.className()), role);
}

} // namespace piyota
