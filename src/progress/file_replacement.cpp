#include "file_replacement.h"

#include "folder_entry.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>

namespace piyota {

namespace {

constexpr qsizetype kSuffixLength = 6;
constexpr QByteArrayView kSuffixCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kNameAttempts = 100;

bool isSuffixCharacter(char c)
{
    return kSuffixCharacters.contains(c);
}

QByteArray temporaryNameFor(const QByteArray &name)
{
    QByteArray temporary = name + '.';
    for (qsizetype i = 0; i < kSuffixLength; ++i)
        temporary += kSuffixCharacters[QRandomGenerator::global()->bounded(int(kSuffixCharacters.size()))];
    return temporary;
}

bool isTemporaryFileOf(const char *entry, const QByteArray &name)
{
    const QByteArrayView candidate(entry);
    if (candidate.size() != name.size() + 1 + kSuffixLength || !candidate.startsWith(name)
        || candidate[name.size()] != '.')
        return false;
    const QByteArrayView suffix = candidate.last(kSuffixLength);
    return std::all_of(suffix.begin(), suffix.end(), isSuffixCharacter);
}

bool writeAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), static_cast<size_t>(bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

// Only a regular file, or nothing, may stand under the name.
bool mayReplace(const Entry &entry)
{
    return entry.kind == EntryKind::RegularFile || entry.kind == EntryKind::Missing;
}

// A new temporary file beside `name`, with the permissions of the file it
// replaces; its name is stored in `temporary`.
UniqueFd createTemporaryFile(int folder, const QByteArray &name, const Entry &replaced, QByteArray &temporary)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = temporaryNameFor(name);
        UniqueFd file(::openat(folder, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (file.isOpen()) {
            if (replaced.kind == EntryKind::RegularFile)
                ::fchmod(file.get(), replaced.permissions);
            return file;
        }
        if (errno != EEXIST)
            break;
    }
    return UniqueFd();
}

void removeTemporaryFilesOf(int folder, const QByteArray &name)
{
    // The listing gets a descriptor of its own, which closedir() closes.
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0)
        return;
    DIR *entries = ::fdopendir(listed);
    if (!entries) {
        ::close(listed);
        return;
    }
    while (const dirent *entry = ::readdir(entries)) {
        if (isTemporaryFileOf(entry->d_name, name))
            ::unlinkat(folder, entry->d_name, 0); // a link goes, not what it points to
    }
    ::closedir(entries);
}

} // namespace

bool replaceFile(const QDir &folder, const QString &fileName, QByteArrayView bytes)
{
    if (!isNameInFolder(fileName))
        return false;
    const UniqueFd directory = openFolder(folder);
    if (!directory.isOpen())
        return false;
    const QByteArray name = QFile::encodeName(fileName);
    const Entry replaced = entryAt(directory.get(), name);
    if (!mayReplace(replaced))
        return false;

    QByteArray temporary;
    UniqueFd file = createTemporaryFile(directory.get(), name, replaced, temporary);
    if (!file.isOpen())
        return false;
    const bool written = writeAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.close();
    // Checked again right before the rename: the name may have changed since.
    if (!written || !mayReplace(entryAt(directory.get(), name))
        || ::renameat(directory.get(), temporary.constData(), directory.get(), name.constData()) != 0) {
        ::unlinkat(directory.get(), temporary.constData(), 0);
        return false;
    }
    removeTemporaryFilesOf(directory.get(), name);
    return true;
}

} // namespace piyota
