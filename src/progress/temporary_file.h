// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "unique_fd.h"

#include <QByteArray>
#include <QByteArrayView>

#include <sys/types.h>

namespace piyota {

// Files written beside the one they become, under a name of their own
// ("<name>." and six letters or digits), so that nobody ever reads a file
// half-written: the writer renames or links it into place once it is whole.

// "<name>." and six random letters or digits.
QByteArray nameWithRandomSuffix(const QByteArray &name);

// A new temporary file beside `name` in the open `folder`, with exactly the
// permissions `mode` whatever the umask; its name is stored in `temporary`.
// Not open when the folder takes no new file.
UniqueFd createTemporaryFile(int folder, const QByteArray &name, mode_t mode, QByteArray &temporary);

// Writes all of `bytes`; false on the first failed write.
bool writeAll(int fd, QByteArrayView bytes);

// Renames `from` in the open folder `fromFolder` to `to` in `toFolder`
// unless an entry named `to` stands there already, in one step (on a file
// system that cannot rename so, by a hard link that is then unlinked).
// False when nothing was renamed.
bool renameWithoutReplacing(int fromFolder, const QByteArray &from, int toFolder, const QByteArray &to);

// Makes the file `name` in the open folder holding `bytes`, with the
// permissions `mode`, unless an entry of that name stands there already:
// written under a temporary name, synced and renamed into place once
// whole, never over anything. A failed attempt leaves nothing behind.
bool writeNewFile(int folder, const QByteArray &name, QByteArrayView bytes, mode_t mode);

// Removes the temporary files that writers of `name` left behind when they
// were interrupted: exactly the entries "<name>." followed by six letters or
// digits, links as links (never what they point to).
void removeTemporaryFilesOf(int folder, const QByteArray &name);

} // namespace piyota
