#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace piyota {

// A sound file as a media control finds it.
struct MediaFile {
    enum class Kind { Wave, Midi };
    Kind kind = Kind::Wave;
    QString path;    // absolute
    QByteArray midi; // the standard MIDI file, for Kind::Midi
};

// Opens the sound file `fileName` (relative to the working directory) and
// tells what it holds by its contents: a RIFF WAVE file, or MIDI music (a
// standard MIDI file or an RMID container, unwrapped). Nothing when the file
// is missing, unreadable, not a regular file, too large or of another kind.
std::optional<MediaFile> openMediaFile(const QString &fileName);

} // namespace piyota
