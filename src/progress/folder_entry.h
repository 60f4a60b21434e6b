// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "unique_fd.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QString>

#include <optional>
#include <sys/stat.h>

namespace piyota {

// The entries of the folder that holds the progress files, looked up by
// name relative to the open folder: a name never leads anywhere else.

// A name of an entry in the folder itself: not empty, not "." or "..", no
// "/" and no NUL.
bool isNameInFolder(const QString &name);

// The folder opened for looking up its entries; not open on failure.
UniqueFd openFolder(const QDir &folder);

// What stands under a name in the folder, the name itself and not what a
// link points to.
enum class EntryKind { Missing, RegularFile, Link, OtherKind, Unknown };
struct Entry {
    EntryKind kind = EntryKind::Unknown;
    mode_t permissions = 0; // of a regular file
};
Entry entryAt(int folder, const QByteArray &name);

// The status of the entry itself (a link's, not what it points to);
// nothing when there is none or it cannot be read.
std::optional<struct stat> statusAt(int folder, const QByteArray &name);

// Whether two statuses are of one file.
bool isSameFile(const struct stat &a, const struct stat &b);

// The names of the entries of the open folder, "." and ".." left out.
QList<QByteArray> entryNames(int folder);

} // namespace piyota
