#pragma once

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

} // namespace piyota::testing
