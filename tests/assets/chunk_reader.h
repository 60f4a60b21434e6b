// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

namespace piyota::testing {

// One chunk of a chunked binary file: a four-letter id and its body.
struct Chunk {
    QByteArray id;
    QByteArray body;
};

// The two chunked layouts of the course's sound files.
enum class ChunkLayout {
    Riff, // little-endian lengths, bodies padded to an even length (WAV, RMID)
    Smf,  // big-endian lengths, no padding (Standard MIDI File)
};

// Splits data into consecutive chunks; nothing when a chunk runs past the end.
std::optional<QList<Chunk>> readChunks(const QByteArray &data, ChunkLayout layout);

// The body of the first chunk with the given id, if any.
std::optional<QByteArray> findChunk(const QList<Chunk> &chunks, const QByteArray &id);

// The chunks inside a RIFF file of the given form type ("WAVE", "RMID"):
// nothing unless the header names that form and its size matches the file.
std::optional<QList<Chunk>> readRiffForm(const QByteArray &file, const QByteArray &form);

} // namespace piyota::testing
