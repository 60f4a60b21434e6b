// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_replacement.h"

#include "folder_entry.h"
#include "temporary_file.h"

#include <QFile>

#include <fcntl.h>

namespace piyota {

namespace {

// A new file is readable by the owner's group too: in a class folder that is
// the teachers' group.
constexpr mode_t kNewFileMode = 0640;

// Only a regular file, or nothing, may stand under the name.
bool mayReplace(const Entry &entry)
{
    return entry.kind == EntryKind::RegularFile || entry.kind == EntryKind::Missing;
}

} // namespace

bool replaceFile(const QDir &folder, const QString &fileName, QByteArrayView bytes)
{
    if (!isNameInFolder(fileName))
        return false;
    const UniqueFd directory = openFolder(folder);
    if (!directory.isOpen())
        return false;
    const QByteArray name = QFile::encodeName(fileName);
    const Entry replaced = entryAt(directory.get(), name);
    if (!mayReplace(replaced))
        return false;

    QByteArray temporary;
    const mode_t mode = replaced.kind == EntryKind::RegularFile ? replaced.permissions : kNewFileMode;
    UniqueFd file = createTemporaryFile(directory.get(), name, mode, temporary);
    if (!file.isOpen())
        return false;
    const bool written = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.close();
    // Checked again right before the rename: the name may have changed since.
    if (!written || !mayReplace(entryAt(directory.get(), name))
        || ::renameat(directory.get(), temporary.constData(), directory.get(), name.constData()) != 0) {
        ::unlinkat(directory.get(), temporary.constData(), 0);
        return false;
    }
    removeTemporaryFilesOf(directory.get(), name);
    return true;
}

} // namespace piyota
