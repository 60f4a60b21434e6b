// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "unique_fd.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTimer>

namespace piyota {

// One program per user code and account at a time. The program that works
// on a code holds a lock file beside the progress files, ".<code>.lock",
// from the start menu until it ends; a second program of the same account
// that asks for the code is refused. The name is hidden and ends in ".lock",
// so that a teacher who copies the ".ucd" files never takes a lock along.
//
// The holder keeps the file open with a kernel lock (flock) on it, which the
// system frees the moment the program ends, however it ends: on this machine
// a killed program's code is free at once. For programs on other machines
// sharing the folder, where the kernel lock may not reach, the file names
// the holder's machine and is renewed every minute; it counts as in use
// until it has not been renewed for five minutes.
//
// The lock file is read like any file the program reads: never through a
// link, never blocking on a FIFO, checked as a regular file of this account
// on the open descriptor, and only its first bytes. An entry under its name
// that is not such a file is no lock of anybody: the program goes on
// without one.
class UserCodeLock {
public:
    explicit UserCodeLock(QDir directory);
    ~UserCodeLock();
    UserCodeLock(const UserCodeLock &) = delete;
    UserCodeLock &operator=(const UserCodeLock &) = delete;

    enum class Result {
        Held,       // this program has the code now
        InUse,      // another program of this account works on it
        NotPossible // no lock file can be used here (an unusable code, a read-only folder, an entry that is no lock file)
    };

    // Takes the lock of `userCode`, letting go of one held on another code.
    Result take(const QString &userCode);

    static QString fileNameFor(const QString &userCode);

    // Marks the lock held as still in use, for programs on other machines;
    // done every minute while it is held.
    void renew() const;

private:
    enum class Attempt { Taken, InUse, NotPossible, NameChanged };
    Attempt tryToTake(const QByteArray &name);
    void release();

    QDir directory_;
    UniqueFd folder_; // while a lock is held
    UniqueFd file_;   // the lock file held, with its kernel lock
    QByteArray heldName_;
    QTimer renewal_;
};

} // namespace piyota
