// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress_reader.h"

#include "bounded_read.h"
#include "folder_entry.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>

namespace piyota {

namespace {

ProgressFileRefusal refusalOf(EntryKind kind)
{
    switch (kind) {
    case EntryKind::Missing:
        return ProgressFileRefusal::Missing;
    case EntryKind::Link:
        return ProgressFileRefusal::Link;
    case EntryKind::OtherKind:
        return ProgressFileRefusal::NotRegularFile;
    case EntryKind::RegularFile:
    case EntryKind::Unknown:
        break;
    }
    return ProgressFileRefusal::Unreadable;
}

ProgressFileRefusal refusalOfOpenError(int error)
{
    switch (error) {
    case ENOENT:
        return ProgressFileRefusal::Missing; // gone since it was looked at
    case ELOOP:
        return ProgressFileRefusal::Link; // made a link since
    case ENXIO: // a socket
    case ENODEV:
        return ProgressFileRefusal::NotRegularFile;
    default:
        return ProgressFileRefusal::Unreadable;
    }
}

} // namespace

ProgressFileRead readProgressFile(const QDir &directory, const QString &fileName)
{
    if (!isNameInFolder(fileName))
        return ProgressFileRefusal::UnusableName;
    const UniqueFd folder = openFolder(directory);
    if (!folder.isOpen())
        return ProgressFileRefusal::Unreadable;
    return readProgressFileAt(folder.get(), QFile::encodeName(fileName));
}

ProgressFileRead readProgressFileAt(int folder, const QByteArray &name)
{
    if (!isNameInFolder(QFile::decodeName(name))) // "/", NUL, "." and ".." decode as they are
        return ProgressFileRefusal::UnusableName;
    // A look before opening, so that a device is never opened at all; the
    // open descriptor is checked again, since the entry may change between.
    if (const Entry entry = entryAt(folder, name); entry.kind != EntryKind::RegularFile)
        return refusalOf(entry.kind);
    const UniqueFd file(::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen())
        return refusalOfOpenError(errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        return ProgressFileRefusal::Unreadable;
    if (!S_ISREG(status.st_mode))
        return ProgressFileRefusal::NotRegularFile;

    const auto start = readStart(file.get(), kProgressReadLimit + 1);
    if (!start)
        return ProgressFileRefusal::Unreadable;
    if (auto record = parseProgressStart(*start, kProgressReadLimit))
        return *record;
    return start->size() > kProgressReadLimit ? ProgressFileRefusal::TooLarge : ProgressFileRefusal::Malformed;
}

} // namespace piyota
