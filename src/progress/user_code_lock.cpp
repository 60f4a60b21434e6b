// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "user_code_lock.h"

#include "bounded_read.h"
#include "folder_entry.h"
#include "lock_holder.h"
#include "progress_file.h"
#include "temporary_file.h"

#include <QDateTime>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace piyota {

namespace {

constexpr mode_t kLockFileMode = 0640;
// A lock file is a few dozen bytes; more is never read, whatever stands there.
constexpr qsizetype kLockReadLimit = 512;
// Each attempt fails only when the holder let go and removed the file in
// between: a few cover any race.
constexpr int kAttempts = 5;

// Whether `name` in the folder is still the file open as `status`.
bool namesOpenFile(int folder, const QByteArray &name, const struct stat &status)
{
    const std::optional<struct stat> named = statusAt(folder, name);
    return named && isSameFile(*named, status);
}

std::chrono::seconds sinceChanged(const struct stat &status)
{
    return std::chrono::seconds(QDateTime::currentSecsSinceEpoch() - status.st_mtim.tv_sec);
}

// Writes this program's name into the lock file. A full disk leaves it
// empty or cut short, which names nobody or this machine, and the kernel
// lock holds all the same.
void signLockFile(int fd)
{
    if (::ftruncate(fd, 0) == 0 && ::lseek(fd, 0, SEEK_SET) == 0) // the read moved the offset
        writeAll(fd, lockFileContents(::getpid(), Machine::current()));
}

} // namespace

UserCodeLock::UserCodeLock(QDir directory)
    : directory_(std::move(directory))
{
    renewal_.setInterval(kLockRenewalInterval);
    QObject::connect(&renewal_, &QTimer::timeout, &renewal_, [this] { renew(); });
}

UserCodeLock::~UserCodeLock()
{
    release();
}

QString UserCodeLock::fileNameFor(const QString &userCode)
{
    return QLatin1Char('.') + userCode + QStringLiteral(".lock");
}

UserCodeLock::Result UserCodeLock::take(const QString &userCode)
{
    if (!ProgressFile::isUsableCode(userCode)) {
        release();
        return Result::NotPossible;
    }
    const QByteArray name = QFile::encodeName(fileNameFor(userCode));
    if (file_.isOpen() && heldName_ == name)
        return Result::Held;
    release();
    folder_ = openFolder(directory_);
    if (!folder_.isOpen())
        return Result::NotPossible;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        switch (tryToTake(name)) {
        case Attempt::Taken:
            heldName_ = name;
            renewal_.start();
            return Result::Held;
        case Attempt::InUse:
            folder_ = UniqueFd();
            return Result::InUse;
        case Attempt::NotPossible:
            folder_ = UniqueFd();
            return Result::NotPossible;
        case Attempt::NameChanged:
            break;
        }
    }
    folder_ = UniqueFd();
    return Result::NotPossible;
}

UserCodeLock::Attempt UserCodeLock::tryToTake(const QByteArray &name)
{
    // A look first, so that a device is never opened at all; what is opened
    // is checked again on the descriptor.
    const EntryKind kind = entryAt(folder_.get(), name).kind;
    if (kind != EntryKind::RegularFile && kind != EntryKind::Missing)
        return Attempt::NotPossible;
    UniqueFd file(::openat(folder_.get(), name.constData(),
                           O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, kLockFileMode));
    struct stat status {};
    if (!file.isOpen() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)
        || status.st_uid != ::geteuid())
        return Attempt::NotPossible;
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? Attempt::InUse : Attempt::NotPossible;
    // The holder may have let go and removed the file after it was opened.
    if (!namesOpenFile(folder_.get(), name, status))
        return Attempt::NameChanged;
    const std::optional<QByteArray> contents = readStart(file.get(), kLockReadLimit);
    if (!contents)
        return Attempt::NotPossible;
    // No program of this machine holds it; one on another machine may.
    if (inUseOnAnotherMachine(holderMachine(*contents), Machine::current(), sinceChanged(status)))
        return Attempt::InUse;
    ::fchmod(file.get(), kLockFileMode);
    signLockFile(file.get());
    file_ = std::move(file);
    return Attempt::Taken;
}

void UserCodeLock::release()
{
    renewal_.stop();
    if (!file_.isOpen())
        return;
    // Removed while the kernel lock still holds, and only if the name is
    // still this file; closing it then lets the kernel lock go.
    struct stat status {};
    if (::fstat(file_.get(), &status) == 0 && namesOpenFile(folder_.get(), heldName_, status))
        ::unlinkat(folder_.get(), heldName_.constData(), 0);
    file_ = UniqueFd();
    folder_ = UniqueFd();
    heldName_.clear();
}

void UserCodeLock::renew() const
{
    if (file_.isOpen())
        ::futimens(file_.get(), nullptr);
}

} // namespace piyota
