#include "media_file.h"

#include "riff_midi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace piyota {

namespace {

// Music files of the course are a few kilobytes; this bounds the read on the
// user-interface thread whatever the name points at.
constexpr qint64 kMaxMusicFileSize = 16 * 1024 * 1024;

bool isWave(const QByteArray &header)
{
    return header.size() >= 12 && header.startsWith("RIFF") && header.mid(8, 4) == "WAVE";
}

} // namespace

std::optional<MediaFile> openMediaFile(const QString &fileName)
{
    if (fileName.isEmpty())
        return std::nullopt;
    const QFileInfo info(QDir::current(), fileName);
    if (!info.isFile()) // also keeps pipes and devices from blocking the read
        return std::nullopt;

    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;

    if (isWave(file.peek(12)))
        return WaveMedia{info.absoluteFilePath()};
    if (file.size() > kMaxMusicFileSize)
        return std::nullopt;
    std::optional<QByteArray> midi = unwrapRiffMidi(file.readAll());
    if (!midi)
        return std::nullopt;
    return MidiMedia{std::move(*midi)};
}

} // namespace piyota
