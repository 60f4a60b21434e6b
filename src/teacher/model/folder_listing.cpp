// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "folder_listing.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace piyota::teacher {

std::optional<QList<QByteArray>> entryNames(int folder)
{
    // The listing reads through a descriptor of its own, so that the folder's stays where it is.
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0)
        return std::nullopt;
    DIR *entries = ::fdopendir(listed);
    if (!entries) {
        ::close(listed);
        return std::nullopt;
    }
    QList<QByteArray> names;
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    ::closedir(entries);
    std::sort(names.begin(), names.end());
    return names;
}

bool isStudentFolder(int folder, const QByteArray &name)
{
    struct stat status {};
    return !name.startsWith('.') && ::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0
           && S_ISDIR(status.st_mode);
}

UniqueFd openSubfolder(int folder, const QByteArray &name)
{
    return UniqueFd(
        ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
}

std::optional<uid_t> ownerOf(int fd)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return std::nullopt;
    return status.st_uid;
}

std::optional<uid_t> ownerOf(int folder, const QByteArray &name)
{
    struct stat status {};
    if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return status.st_uid;
}

bool isShared(int folder)
{
    struct stat status {};
    return ::fstat(folder, &status) == 0 && (status.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

std::optional<qint64> modifiedSecondsSinceEpoch(int folder, const QByteArray &name)
{
    struct stat status {};
    if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return status.st_mtim.tv_sec;
}

} // namespace piyota::teacher
