// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace piyota::teacher {

bool writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool hasExtension(const QString &path, const QString &extension)
{
    return QFileInfo(path).fileName().size() > extension.size() && path.endsWith(extension, Qt::CaseInsensitive);
}

} // namespace piyota::teacher
