// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>
#include <sys/resource.h>

namespace piyota::testing {

// Makes saving into a directory fail the two ways a student's machine can:
// the directory turns read-only, or its file system fills up.
//
// Where the machine allows mounting, a tiny tmpfs is mounted over the
// directory in a mount namespace of this thread's own (so nothing outside
// the test sees it, and it goes away with the process); both faults are then
// real, for root too. Elsewhere a read-only directory falls back to file
// permissions (which do not hold for root) and a full file system to a file
// size limit of zero, which fails every write the same way.
class DirectoryFault {
public:
    enum class Kind { ReadOnly, Full };

    // Mounts the tmpfs over `directory`, which should be empty, where it can.
    explicit DirectoryFault(QString directory);
    ~DirectoryFault();
    DirectoryFault(const DirectoryFault &) = delete;
    DirectoryFault &operator=(const DirectoryFault &) = delete;

    // Empty when `kind` can be made here, else why not.
    QString whyUnavailable(Kind kind) const;
    // How the fault is made, for the test log.
    QString method(Kind kind) const;

    bool start(Kind kind);
    bool stop(Kind kind);

private:
    QString fillerPath() const;
    bool fill();
    bool limitFileSize();
    bool restoreFileSize();

    QString directory_;
    bool mounted_ = false;
    QString mountFailure_;
    std::optional<rlimit> savedLimit_;  // while the file size is limited
    void (*previousHandler_)(int) = nullptr;
};

} // namespace piyota::testing
