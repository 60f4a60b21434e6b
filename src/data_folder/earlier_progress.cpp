// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "earlier_progress.h"

#include "bounded_read.h"
#include "folder_entry.h"
#include "progress_format.h"
#include "temporary_file.h"
#include "unique_fd.h"

#include <fcntl.h>
#include <unistd.h>

namespace piyota {

namespace {

const QByteArray kProgressSuffix = ".ucd";
// As the program makes its progress files: the teachers' group reads them.
constexpr mode_t kProgressFileMode = 0640;

bool isProgressFileName(const QByteArray &name)
{
    return name.size() > kProgressSuffix.size() && name.endsWith(kProgressSuffix);
}

// The bytes of the file `name` when it is a regular file of this account,
// no longer than any progress file can be; the file's status in `status`.
std::optional<QByteArray> readOwnFile(int folder, const QByteArray &name, struct stat &status)
{
    const std::optional<struct stat> entry = statusAt(folder, name);
    if (!entry || !S_ISREG(entry->st_mode) || entry->st_uid != ::geteuid())
        return std::nullopt;
    const UniqueFd file(::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)
        || status.st_uid != ::geteuid())
        return std::nullopt;
    std::optional<QByteArray> bytes = readStart(file.get(), kProgressReadLimit + 1);
    if (!bytes || bytes->size() > kProgressReadLimit)
        return std::nullopt;
    return bytes;
}

} // namespace

void takeOverEarlierProgress(int shared, int own)
{
    for (const QByteArray &name : entryNames(shared)) {
        struct stat status {};
        const std::optional<QByteArray> bytes = isProgressFileName(name) ? readOwnFile(shared, name, status) : std::nullopt;
        // A copy made anew, so that it takes the own folder's group.
        if (!bytes || !writeNewFile(own, name, *bytes, kProgressFileMode))
            continue;
        // Only the file copied goes, never one that took its name since.
        if (const std::optional<struct stat> now = statusAt(shared, name); now && isSameFile(*now, status))
            ::unlinkat(shared, name.constData(), 0);
    }
}

} // namespace piyota
