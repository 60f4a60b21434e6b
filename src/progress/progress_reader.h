// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress_format.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <variant>

namespace piyota {

// Why a progress file was not read.
enum class ProgressFileRefusal {
    UnusableName,   // empty, ".", "..", or holding "/" or NUL: not a name in the folder
    Missing,        // no entry of that name
    Link,           // a symbolic link, dangling or not, wherever it points
    NotRegularFile, // a directory, FIFO, socket or device
    TooLarge,       // longer than kProgressReadLimit, without its fields within that
    Malformed,      // not a progress record
    Unreadable,     // the system refused to open or read it
};

using ProgressFileRead = std::variant<ProgressRecord, ProgressFileRefusal>;

// Reads the progress file `fileName` that stands in `directory` itself,
// read-only and only as a regular file: never through a symbolic link,
// never blocking on a FIFO or a device, and never more than
// kProgressReadLimit bytes of it. Gives the record, or why there is none.
ProgressFileRead readProgressFile(const QDir &directory, const QString &fileName);

// The same for the entry `name` (its bytes as the file system holds them,
// whatever their encoding) of the folder open as the descriptor `folder`.
ProgressFileRead readProgressFileAt(int folder, const QByteArray &name);

} // namespace piyota
