// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "own_folder.h"

#include "folder_entry.h"
#include "temporary_file.h"

#include <QList>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>

namespace piyota {

namespace {

constexpr int kNameAttempts = 100;

// The folder `name` of `parent` where this account owns it and nobody else
// may write in it.
UniqueFd openIfOwn(int parent, const char *name)
{
    UniqueFd folder(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!folder.isOpen() || ::fstat(folder.get(), &status) != 0 || status.st_uid != ::geteuid()
        || (status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return UniqueFd();
    return folder;
}

// 0750 where the shared folder is setgid, so that the folder made in it
// takes its group and the set-group-ID bit from it; else 0700.
mode_t ownFolderModeIn(int shared)
{
    struct stat status {};
    const bool setGroup = ::fstat(shared, &status) == 0 && (status.st_mode & S_ISGID) != 0;
    return setGroup ? 0750 : 0700;
}

// Makes the folder `name` and opens it; not open when it was there already.
UniqueFd makeOwn(int shared, const QByteArray &name)
{
    // The mode exactly, whatever the umask: a chmod afterwards would drop the
    // set-group-ID bit, the account being no member of the shared folder's group.
    const mode_t previousMask = ::umask(0);
    const int made = ::mkdirat(shared, name.constData(), ownFolderModeIn(shared));
    ::umask(previousMask);
    return made == 0 ? openIfOwn(shared, name.constData()) : UniqueFd();
}

// The names in the shared folder that begin "<login>.", sorted.
QList<QByteArray> fallbackNames(int shared, const QByteArray &login)
{
    const QByteArray prefix = login + '.';
    QList<QByteArray> names = entryNames(shared);
    names.removeIf([&prefix](const QByteArray &name) { return name.size() <= prefix.size() || !name.startsWith(prefix); });
    std::sort(names.begin(), names.end());
    return names;
}

UniqueFd openOwnFallback(int shared, const QByteArray &login)
{
    for (const QByteArray &name : fallbackNames(shared, login)) {
        if (UniqueFd folder = openIfOwn(shared, name.constData()); folder.isOpen())
            return folder;
    }
    return UniqueFd();
}

} // namespace

QByteArray loginName()
{
    const passwd *account = ::getpwuid(::geteuid());
    return account && account->pw_name[0] != '\0' ? QByteArray(account->pw_name) : QByteArray::number(::geteuid());
}

UniqueFd openOwnFolder(int shared, const QByteArray &login)
{
    // Made first, then looked at: a folder made between a look and a make, by
    // another program of this account starting at the same moment, is taken
    // as well as one made long before.
    if (UniqueFd folder = makeOwn(shared, login); folder.isOpen())
        return folder;
    if (UniqueFd folder = openIfOwn(shared, login.constData()); folder.isOpen())
        return folder;
    if (UniqueFd folder = openOwnFallback(shared, login); folder.isOpen())
        return folder;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        if (UniqueFd folder = makeOwn(shared, nameWithRandomSuffix(login)); folder.isOpen())
            return folder;
        if (errno != EEXIST)
            break;
    }
    return UniqueFd();
}

} // namespace piyota
