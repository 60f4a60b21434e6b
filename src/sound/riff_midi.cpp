// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "riff_midi.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace piyota {

namespace {

constexpr qsizetype kChunkHeaderSize = 8; // four-character id, then a u32le length

bool hasTagAt(const QByteArray &bytes, qsizetype offset, const char (&tag)[5])
{
    return offset >= 0 && offset + 4 <= bytes.size()
        && std::memcmp(bytes.constData() + offset, tag, 4) == 0;
}

qint64 u32leAt(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

bool isStandardMidiFile(const QByteArray &bytes)
{
    return hasTagAt(bytes, 0, "MThd");
}

} // namespace

std::optional<QByteArray> unwrapRiffMidi(const QByteArray &file)
{
    if (isStandardMidiFile(file))
        return file;

    // "RIFF", size of what follows, "RMID", then the chunks.
    if (!hasTagAt(file, 0, "RIFF") || file.size() < 12 || !hasTagAt(file, 8, "RMID"))
        return std::nullopt;
    const qint64 riffEnd = 8 + u32leAt(file, 4);
    if (riffEnd < 12)
        return std::nullopt;
    // A container that claims more than the file holds is read as far as it
    // goes: a chunk that runs past the real end still makes it malformed.
    const qint64 end = std::min<qint64>(riffEnd, file.size());

    qint64 chunk = 12;
    while (chunk + kChunkHeaderSize <= end) {
        const qint64 length = u32leAt(file, chunk + 4);
        const qint64 payload = chunk + kChunkHeaderSize;
        if (payload + length > end)
            return std::nullopt;
        if (hasTagAt(file, chunk, "data")) {
            QByteArray midi = file.mid(payload, length);
            if (!isStandardMidiFile(midi))
                return std::nullopt;
            return midi;
        }
        chunk = payload + length + (length & 1); // chunks are padded to even length
    }
    return std::nullopt;
}

} // namespace piyota
