// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <sys/inotify.h>
#include <unistd.h>

namespace piyota::testing {

// Counts the times a file is saved as a whole, the way the progress file is:
// a finished temporary file is linked in under the file's name or renamed
// over it. Reads the kernel's record of the directory's changes, so it sees
// every save, also two in a row with the same content.
class FileSaves {
public:
    FileSaves(const QString &directory, const QString &fileName)
        : fd_(inotify_init1(IN_NONBLOCK))
        , name_(fileName.toLocal8Bit())
    {
        // The temporary files' own events keep the kernel from merging two
        // saves of the file into one event.
        inotify_add_watch(fd_, directory.toLocal8Bit().constData(), IN_CREATE | IN_MOVED_FROM | IN_MOVED_TO);
    }
    ~FileSaves() { close(fd_); }
    FileSaves(const FileSaves &) = delete;
    FileSaves &operator=(const FileSaves &) = delete;

    // The saves since the watch began or since the last call.
    int take()
    {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        ssize_t length;
        while ((length = read(fd_, buffer, sizeof buffer)) > 0) {
            for (char *p = buffer; p < buffer + length;) {
                const auto *event = reinterpret_cast<const inotify_event *>(p);
                if ((event->mask & (IN_CREATE | IN_MOVED_TO)) && event->len > 0 && name_ == event->name)
                    ++count;
                p += sizeof(inotify_event) + event->len;
            }
        }
        return count;
    }

private:
    int fd_;
    QByteArray name_;
};

} // namespace piyota::testing
