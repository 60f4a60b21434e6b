// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace piyota::teacher {

// Writes `bytes` as the file `path`, whole or not at all: a temporary file
// beside it, renamed over it once written. False when it could not be.
bool writeWholeFile(const QString &path, const QByteArray &bytes);

// A file's name ends with the extension (".pdf") of the kind it is written
// as, in any case: an export never writes another kind of file, a progress
// file least of all.
bool hasExtension(const QString &path, const QString &extension);

} // namespace piyota::teacher
