// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "unique_fd.h"

#include <QByteArray>
#include <QList>

#include <optional>
#include <sys/types.h>

namespace piyota::teacher {

// A class folder looked at entry by entry, relative to open descriptors:
// never through a link, never blocking, never changing anything.

// The names of the entries of the open folder (without "." and ".."), as
// the file system holds them, in byte order; nothing when it cannot be listed.
std::optional<QList<QByteArray>> entryNames(int folder);

// A student's folder: a directory (not a link to one) whose name is not hidden.
bool isStudentFolder(int folder, const QByteArray &name);

// The folder `name` of the open folder, opened without following a link;
// not open on failure.
UniqueFd openSubfolder(int folder, const QByteArray &name);

// The account owning an open file or folder.
std::optional<uid_t> ownerOf(int fd);
// The account owning the entry `name` of the open folder (a link's own owner).
std::optional<uid_t> ownerOf(int folder, const QByteArray &name);

// Whether accounts other than its owner may add entries to the open folder,
// as to a school's shared class folder.
bool isShared(int folder);

// When the entry `name` of the open folder was last changed; nothing when it is gone.
std::optional<qint64> modifiedSecondsSinceEpoch(int folder, const QByteArray &name);

} // namespace piyota::teacher
