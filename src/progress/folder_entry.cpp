// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "folder_entry.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>

namespace piyota {

bool isNameInFolder(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

UniqueFd openFolder(const QDir &folder)
{
    return UniqueFd(::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

Entry entryAt(int folder, const QByteArray &name)
{
    struct stat status {};
    if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return {errno == ENOENT ? EntryKind::Missing : EntryKind::Unknown};
    if (S_ISLNK(status.st_mode))
        return {EntryKind::Link};
    if (!S_ISREG(status.st_mode))
        return {EntryKind::OtherKind};
    return {EntryKind::RegularFile, static_cast<mode_t>(status.st_mode & 07777)};
}

std::optional<struct stat> statusAt(int folder, const QByteArray &name)
{
    struct stat status {};
    if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return status;
}

bool isSameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QList<QByteArray> entryNames(int folder)
{
    QList<QByteArray> names;
    // The listing gets a descriptor of its own, which closedir() closes.
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0)
        return names;
    DIR *entries = ::fdopendir(listed);
    if (!entries) {
        ::close(listed);
        return names;
    }
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArrayView name(entry->d_name);
        if (name != ".." && name != ".")
            names.append(name.toByteArray());
    }
    ::closedir(entries);
    return names;
}

} // namespace piyota
