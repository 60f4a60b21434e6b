// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

namespace piyota {

// A wave file, played from where it lies.
struct WaveMedia {
    QString path; // absolute
};

// MIDI music: the standard MIDI file itself.
struct MidiMedia {
    QByteArray midiFile;
};

// A sound file as a media control finds it.
using MediaFile = std::variant<WaveMedia, MidiMedia>;

// Opens the sound file `fileName` (relative to the working directory) and
// tells what it holds by its contents: a RIFF WAVE file, or MIDI music (a
// standard MIDI file or an RMID container, unwrapped). Nothing when the file
// is missing, unreadable, too large or of another kind, or when it is not a
// regular file (a link, wherever it points, a FIFO, a device) owned by this
// account or by root: a sound another account put there is never played.
std::optional<MediaFile> openMediaFile(const QString &fileName);

} // namespace piyota
