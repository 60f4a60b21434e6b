// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QDir>
#include <QString>

namespace piyota {

// Replaces the regular file `fileName` of `folder` as a whole, or creates
// it. The bytes go to a temporary file beside it, "<fileName>.XXXXXX",
// which is synced and then renamed over the name, so that a crash or a full
// disk at any point leaves the previous file or the new one, whole. The new
// file keeps the permissions of the one it replaces; a file made anew gets
// 0640, readable by its owner's group (in a class folder, the teachers').
//
// Only the name in the folder itself is ever replaced: a symbolic link
// (dangling or not), directory, FIFO, socket or device under the name is
// refused before anything is written and again right before the rename,
// and the rename itself replaces a name, never what a link points to.
//
// Once the file is replaced, the temporary files that interrupted
// replacements of the same name left behind are removed: exactly the
// entries "<fileName>." followed by six letters or digits.
//
// False when the file was not replaced; it then stays as it was.
bool replaceFile(const QDir &folder, const QString &fileName, QByteArrayView bytes);

} // namespace piyota
