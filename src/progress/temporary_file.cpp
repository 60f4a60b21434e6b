// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "temporary_file.h"

#include "folder_entry.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace piyota {

namespace {

constexpr qsizetype kSuffixLength = 6;
constexpr QByteArrayView kSuffixCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kNameAttempts = 100;

bool isSuffixCharacter(char c)
{
    return kSuffixCharacters.contains(c);
}

bool isTemporaryFileOf(QByteArrayView candidate, const QByteArray &name)
{
    if (candidate.size() != name.size() + 1 + kSuffixLength || !candidate.startsWith(name)
        || candidate[name.size()] != '.')
        return false;
    const QByteArrayView suffix = candidate.last(kSuffixLength);
    return std::all_of(suffix.begin(), suffix.end(), isSuffixCharacter);
}

} // namespace

QByteArray nameWithRandomSuffix(const QByteArray &name)
{
    QByteArray named = name + '.';
    for (qsizetype i = 0; i < kSuffixLength; ++i)
        named += kSuffixCharacters[QRandomGenerator::global()->bounded(int(kSuffixCharacters.size()))];
    return named;
}

UniqueFd createTemporaryFile(int folder, const QByteArray &name, mode_t mode, QByteArray &temporary)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = nameWithRandomSuffix(name);
        UniqueFd file(::openat(folder, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (file.isOpen()) {
            ::fchmod(file.get(), mode); // the umask may have taken bits away
            return file;
        }
        if (errno != EEXIST)
            break;
    }
    return UniqueFd();
}

bool writeAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), static_cast<size_t>(bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

bool renameWithoutReplacing(int fromFolder, const QByteArray &from, int toFolder, const QByteArray &to)
{
    if (::renameat2(fromFolder, from.constData(), toFolder, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::linkat(fromFolder, from.constData(), toFolder, to.constData(), 0) != 0)
        return false;
    ::unlinkat(fromFolder, from.constData(), 0);
    return true;
}

bool writeNewFile(int folder, const QByteArray &name, QByteArrayView bytes, mode_t mode)
{
    QByteArray temporary;
    UniqueFd file = createTemporaryFile(folder, name, mode, temporary);
    if (!file.isOpen())
        return false;
    const bool written = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.close();
    if (written && renameWithoutReplacing(folder, temporary, folder, name))
        return true;
    ::unlinkat(folder, temporary.constData(), 0);
    return false;
}

void removeTemporaryFilesOf(int folder, const QByteArray &name)
{
    for (const QByteArray &entry : entryNames(folder)) {
        if (isTemporaryFileOf(entry, name))
            ::unlinkat(folder, entry.constData(), 0); // a link goes, not what it points to
    }
}

} // namespace piyota
