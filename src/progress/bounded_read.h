// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <optional>

namespace piyota {

// Up to `count` bytes from the start of the file just opened as `fd`,
// however long it is; nothing on a read error.
std::optional<QByteArray> readStart(int fd, qsizetype count);

} // namespace piyota
