// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace piyota::testing {

// What a hostile or unlucky user can put in the working directory under the
// name of a progress file, made for real. Each returns false when the
// system refused.

inline bool makeLink(const QString &link, const QString &target)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

// The path a link names, or empty when `path` is not a link.
inline QString linkTarget(const QString &path)
{
    return QFileInfo(path).isSymLink() ? QFile::symLinkTarget(path) : QString();
}

inline bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

// A Unix socket's entry, left behind as a closed server leaves it.
inline bool makeSocketEntry(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

// A character device that reads as /dev/zero does: only root may make one.
inline bool makeZeroDevice(const QString &path)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0644, makedev(1, 5)) == 0;
}

enum class HostileEntry { LinkToFileOutside, DanglingLink, ChainOfLinks, LinkToZero, Directory, Fifo, Socket, Device };

inline const HostileEntry kHostileEntries[] = {
    HostileEntry::LinkToFileOutside, HostileEntry::DanglingLink, HostileEntry::ChainOfLinks, HostileEntry::LinkToZero,
    HostileEntry::Directory,         HostileEntry::Fifo,         HostileEntry::Socket,       HostileEntry::Device,
};

inline const char *nameOf(HostileEntry entry)
{
    const char *const names[] = {"link to a file outside", "dangling link", "chain of links to a file outside",
                                 "link to /dev/zero", "directory", "FIFO", "socket", "device"};
    return names[int(entry)];
}

// A file outside the working directory, the target of the links below.
struct OutsideFile {
    QString path;
    QString missing() const { return path + QStringLiteral(".missing"); } // a dangling link's target
    QString hop() const { return path + QStringLiteral(".hop"); }         // the middle of a chain
};

// The link an entry is, or empty when it is none.
inline QString linkOf(HostileEntry entry, const OutsideFile &outside)
{
    switch (entry) {
    case HostileEntry::LinkToFileOutside:
        return outside.path;
    case HostileEntry::DanglingLink:
        return outside.missing();
    case HostileEntry::ChainOfLinks:
        return outside.hop();
    case HostileEntry::LinkToZero:
        return QStringLiteral("/dev/zero");
    default:
        return QString();
    }
}

// Puts `entry` under `path`. False when the system refused; a device needs root.
inline bool makeHostileEntry(HostileEntry entry, const QString &path, const OutsideFile &outside)
{
    if (entry == HostileEntry::ChainOfLinks && !makeLink(outside.hop(), outside.path))
        return false;
    if (const QString target = linkOf(entry, outside); !target.isEmpty())
        return makeLink(path, target);
    switch (entry) {
    case HostileEntry::Directory:
        return QDir().mkdir(path);
    case HostileEntry::Fifo:
        return makeFifo(path);
    case HostileEntry::Socket:
        return makeSocketEntry(path);
    case HostileEntry::Device:
        return makeZeroDevice(path);
    default:
        return false;
    }
}

// Takes away what `path` names, whatever it is (a directory only when empty).
inline bool removeEntry(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    return ::unlink(name.constData()) == 0 || ::rmdir(name.constData()) == 0;
}

} // namespace piyota::testing
