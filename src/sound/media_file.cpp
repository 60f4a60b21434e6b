// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media_file.h"

#include "riff_midi.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace piyota {

namespace {

// Music files of the course are a few kilobytes; this bounds the read on the
// user-interface thread whatever the name points at.
constexpr qint64 kMaxMusicFileSize = 16 * 1024 * 1024;

bool isWave(const QByteArray &header)
{
    return header.size() >= 12 && header.startsWith("RIFF") && header.mid(8, 4) == "WAVE";
}

// A regular file of this account, or of the system's installation: never
// what a link points to, never a FIFO or a device (which is not even
// opened), never a file that another account put there.
bool isOwnSound(const struct stat &status)
{
    return S_ISREG(status.st_mode) && (status.st_uid == ::geteuid() || status.st_uid == 0);
}

} // namespace

std::optional<MediaFile> openMediaFile(const QString &fileName)
{
    if (fileName.isEmpty())
        return std::nullopt;
    const QByteArray name = QFile::encodeName(fileName);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || !isOwnSound(status))
        return std::nullopt;
    // Checked again on the open descriptor: the entry may have changed since.
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    if (::fstat(fd, &status) != 0 || !isOwnSound(status))
        return std::nullopt;

    if (isWave(file.peek(12)))
        return WaveMedia{QFileInfo(fileName).absoluteFilePath()};
    if (file.size() > kMaxMusicFileSize)
        return std::nullopt;
    std::optional<QByteArray> midi = unwrapRiffMidi(file.readAll());
    if (!midi)
        return std::nullopt;
    return MidiMedia{std::move(*midi)};
}

} // namespace piyota
