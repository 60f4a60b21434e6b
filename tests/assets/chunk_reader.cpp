// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chunk_reader.h"

#include <QtEndian>

namespace piyota::testing {

namespace {

constexpr qsizetype headerSize = 8;

quint32 chunkLength(const char *field, ChunkLayout layout)
{
    return layout == ChunkLayout::Riff ? qFromLittleEndian<quint32>(field)
                                       : qFromBigEndian<quint32>(field);
}

} // namespace

std::optional<QList<Chunk>> readChunks(const QByteArray &data, ChunkLayout layout)
{
    QList<Chunk> chunks;
    qsizetype pos = 0;
    while (pos < data.size()) {
        if (data.size() - pos < headerSize)
            return std::nullopt;
        const qsizetype length = chunkLength(data.constData() + pos + 4, layout);
        const qsizetype bodyStart = pos + headerSize;
        if (length > data.size() - bodyStart)
            return std::nullopt;
        chunks.append({data.mid(pos, 4), data.mid(bodyStart, length)});
        const bool padded = layout == ChunkLayout::Riff && length % 2 != 0;
        pos = bodyStart + length + (padded ? 1 : 0);
    }
    return chunks;
}

std::optional<QByteArray> findChunk(const QList<Chunk> &chunks, const QByteArray &id)
{
    for (const Chunk &chunk : chunks) {
        if (chunk.id == id)
            return chunk.body;
    }
    return std::nullopt;
}

std::optional<QList<Chunk>> readRiffForm(const QByteArray &file, const QByteArray &form)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != form)
        return std::nullopt;
    if (qFromLittleEndian<quint32>(file.constData() + 4) != quint32(file.size() - headerSize))
        return std::nullopt;
    return readChunks(file.mid(12), ChunkLayout::Riff);
}

} // namespace piyota::testing
