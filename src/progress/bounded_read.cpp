// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bounded_read.h"

#include <cerrno>
#include <unistd.h>

namespace piyota {

std::optional<QByteArray> readStart(int fd, qsizetype count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < count) {
        const ssize_t got = ::read(fd, bytes.data() + filled, static_cast<size_t>(count - filled));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

} // namespace piyota
