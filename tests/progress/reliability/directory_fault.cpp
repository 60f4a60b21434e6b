// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "directory_fault.h"

#include <QDir>
#include <QFile>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace piyota::testing {

namespace {

// Room for the progress file and its temporary copy, and little more.
constexpr const char *kTmpfsOptions = "size=16k,mode=0755";
constexpr unsigned long kMountFlags = MS_NOSUID | MS_NODEV | MS_NOEXEC;

QString failureOf(const char *call)
{
    return QString::fromLatin1(call) + QStringLiteral(" failed: ") + QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

DirectoryFault::DirectoryFault(QString directory)
    : directory_(std::move(directory))
{
    const QByteArray path = QFile::encodeName(directory_);
    if (unshare(CLONE_NEWNS) != 0)
        mountFailure_ = failureOf("unshare(CLONE_NEWNS)");
    else if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        mountFailure_ = failureOf("making the mounts private");
    else if (mount("piyota-test", path.constData(), "tmpfs", kMountFlags, kTmpfsOptions) != 0)
        mountFailure_ = failureOf("mounting a tmpfs");
    else
        mounted_ = true;
}

DirectoryFault::~DirectoryFault()
{
    if (savedLimit_)
        stop(Kind::Full);
    // Whatever the test left, the directory can be removed afterwards.
    if (mounted_)
        umount2(QFile::encodeName(directory_).constData(), MNT_DETACH);
    else
        QFile::setPermissions(directory_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString DirectoryFault::whyUnavailable(Kind kind) const
{
    if (kind == Kind::ReadOnly && !mounted_ && geteuid() == 0)
        return QStringLiteral("cannot make a read-only directory here: running as root, where file "
                              "permissions do not hold, and ")
            + mountFailure_;
    return QString();
}

QString DirectoryFault::method(Kind kind) const
{
    if (mounted_)
        return kind == Kind::ReadOnly ? QStringLiteral("a tmpfs remounted read-only")
                                      : QStringLiteral("a 16 KiB tmpfs filled up");
    return kind == Kind::ReadOnly ? QStringLiteral("file permissions")
                                  : QStringLiteral("a file size limit of zero (") + mountFailure_ + u')';
}

bool DirectoryFault::start(Kind kind)
{
    const QByteArray path = QFile::encodeName(directory_);
    if (kind == Kind::Full)
        return mounted_ ? fill() : limitFileSize();
    if (mounted_)
        return mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_RDONLY | kMountFlags, nullptr) == 0;
    return whyUnavailable(kind).isEmpty() && chmod(path.constData(), 0555) == 0;
}

bool DirectoryFault::stop(Kind kind)
{
    const QByteArray path = QFile::encodeName(directory_);
    if (kind == Kind::Full)
        return mounted_ ? QFile::remove(fillerPath()) : restoreFileSize();
    if (mounted_)
        return mount(nullptr, path.constData(), nullptr, MS_REMOUNT | kMountFlags, kTmpfsOptions) == 0;
    return chmod(path.constData(), 0755) == 0;
}

QString DirectoryFault::fillerPath() const
{
    return QDir(directory_).filePath(QStringLiteral("filler"));
}

bool DirectoryFault::fill()
{
    const int fd = open(QFile::encodeName(fillerPath()).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const std::array<char, 4096> block{};
    while (write(fd, block.data(), block.size()) > 0) {
    }
    const bool full = errno == ENOSPC;
    close(fd);
    return full;
}

bool DirectoryFault::limitFileSize()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return false;
    savedLimit_ = limit;
    // Past the limit a write fails with EFBIG instead of raising SIGXFSZ.
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = 0;
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

bool DirectoryFault::restoreFileSize()
{
    if (!savedLimit_)
        return false;
    const bool restored = setrlimit(RLIMIT_FSIZE, &*savedLimit_) == 0;
    std::signal(SIGXFSZ, previousHandler_);
    savedLimit_.reset();
    return restored;
}

} // namespace piyota::testing
