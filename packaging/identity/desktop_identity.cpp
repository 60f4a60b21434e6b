// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_identity.h"

#include <QDirIterator>

namespace piyota {

QString desktopFileName()
{
    return QStringLiteral(PIYOTA_APP_ID);
}

QString teacherDesktopFileName()
{
    return QStringLiteral(PIYOTA_TEACHER_APP_ID);
}

QIcon applicationIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/app_icon"), QDir::Files);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

} // namespace piyota
