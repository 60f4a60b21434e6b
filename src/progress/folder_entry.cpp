#include "folder_entry.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>

namespace piyota {

bool isNameInFolder(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

UniqueFd openFolder(const QDir &folder)
{
    return UniqueFd(::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

Entry entryAt(int folder, const QByteArray &name)
{
    struct stat status {};
    if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return {errno == ENOENT ? EntryKind::Missing : EntryKind::Unknown};
    if (S_ISLNK(status.st_mode))
        return {EntryKind::Link};
    if (!S_ISREG(status.st_mode))
        return {EntryKind::OtherKind};
    return {EntryKind::RegularFile, static_cast<mode_t>(status.st_mode & 07777)};
}

} // namespace piyota
