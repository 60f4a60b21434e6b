// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data_folder_location.h"

#include <QDir>

namespace piyota {

DataFolderLocation locateDataFolder(const QProcessEnvironment &environment, const QString &appId)
{
    const QString school = environment.value(QStringLiteral("PIYOTA_DATA_DIR"));
    if (!school.isEmpty())
        return {DataFolderLocation::Kind::School, school};
    QString dataHome = environment.value(QStringLiteral("XDG_DATA_HOME"));
    if (!QDir::isAbsolutePath(dataHome)) {
        // Without a home folder the path stays relative, and is refused as such.
        const QString home = environment.value(QStringLiteral("HOME"));
        dataHome = (QDir::isAbsolutePath(home) ? home : QStringLiteral("$HOME")) + QStringLiteral("/.local/share");
    }
    return {DataFolderLocation::Kind::Own, dataHome + QLatin1Char('/') + appId};
}

} // namespace piyota
