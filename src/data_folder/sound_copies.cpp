// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound_copies.h"

#include "folder_entry.h"
#include "temporary_file.h"

#include <QFile>

#include <optional>

namespace piyota {

namespace {

// Readable by every account that may enter the folder.
constexpr mode_t kSoundFileMode = 0644;
// The program's sounds are a few dozen kilobytes.
constexpr qint64 kLargestSound = 16 * 1024 * 1024;

std::optional<QByteArray> readSound(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestSound)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        return std::nullopt;
    return bytes;
}

} // namespace

void copyMissingSounds(const QDir &sounds, int into)
{
    for (const QString &sound : sounds.entryList(QDir::Files)) {
        const QByteArray name = QFile::encodeName(sound);
        removeTemporaryFilesOf(into, name);
        if (entryAt(into, name).kind != EntryKind::Missing)
            continue;
        if (const std::optional<QByteArray> bytes = readSound(sounds.filePath(sound)))
            writeNewFile(into, name, *bytes, kSoundFileMode);
    }
}

} // namespace piyota
