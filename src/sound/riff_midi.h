// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <optional>

namespace piyota {

// The standard MIDI file held by the contents of a music file: a standard
// MIDI file ("MThd" ...) is returned as it is; a RIFF "RMID" container (an
// `.rmi` file) gives the payload of its `data` chunk. Nothing when the bytes
// are neither, or the container is malformed: truncated, wrong magic, a chunk
// running past the end, no `data` chunk, or one not holding "MThd".
std::optional<QByteArray> unwrapRiffMidi(const QByteArray &file);

} // namespace piyota
