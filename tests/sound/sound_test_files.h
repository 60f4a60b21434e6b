// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>
#include <utility>

// Small sound files made by the tests themselves.
namespace piyota::testing {

inline QByteArray u32le(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray u16le(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray u32be(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// One RIFF chunk: id, little-endian length, payload, padding to even length.
inline QByteArray riffChunk(const QByteArray &id, const QByteArray &payload)
{
    QByteArray chunk = id + u32le(quint32(payload.size())) + payload;
    if (payload.size() % 2 != 0)
        chunk.append('\0');
    return chunk;
}

// A RIFF container of the given form type holding the given chunks.
inline QByteArray riffFile(const QByteArray &formType, const QByteArray &chunks)
{
    return QByteArray("RIFF") + u32le(quint32(4 + chunks.size())) + formType + chunks;
}

// A standard MIDI file of one track holding `events` (each with its delta
// time), at 96 ticks to the quarter note and the default 120 beats a
// minute: 96 ticks last half a second.
inline QByteArray standardMidiFile(const QByteArray &events)
{
    return QByteArray("MThd") + u32be(6) + QByteArray::fromHex("000000010060") + QByteArray("MTrk")
        + u32be(quint32(events.size())) + events;
}

// A delta time as a MIDI file writes it: seven bits a byte, most significant
// first, the high bit set on every byte but the last.
inline QByteArray midiDelta(quint32 ticks)
{
    QByteArray bytes(1, char(ticks & 0x7f));
    while (ticks >>= 7)
        bytes.prepend(char(0x80 | (ticks & 0x7f)));
    return bytes;
}

// A standard MIDI file of one track: a piano note of a quarter note (half a
// second), with a four-letter text event to tell files apart. Its size is odd
// (45 bytes), which exercises the padding of RMID chunks.
inline QByteArray tinyMidiFile(const QByteArray &text = "abcd")
{
    return standardMidiFile(QByteArray::fromHex("00c000") // program change: piano
        + QByteArray::fromHex("00ff01") + char(text.size()) + text // text event
        + QByteArray::fromHex(
        "00903c64"           // note on, middle C
        "60803c40"           // a quarter note later, note off
        "00ff2f00"));        // end of track
}

// A standard MIDI file of one piano note held for `seconds`.
inline QByteArray heldNoteMidiFile(int seconds)
{
    constexpr quint32 ticksPerSecond = 192; // 96 to the quarter note of half a second
    return standardMidiFile(QByteArray::fromHex("00c000" "00903c64") // piano; note on, middle C
                            + midiDelta(quint32(seconds) * ticksPerSecond)
                            + QByteArray::fromHex("803c40" "00ff2f00")); // note off; end of track
}

// An RMID container (an `.rmi` file): an INFO list, then the standard MIDI
// file in its `data` chunk.
inline QByteArray rmidFile(const QByteArray &midi)
{
    return riffFile("RMID", riffChunk("LIST", QByteArray("INFO")) + riffChunk("data", midi));
}

// A 16-bit PCM wave file of the given samples (little-endian, interleaved
// when there are several channels).
inline QByteArray pcmWaveFile(int sampleRate, int channels, const QByteArray &samples)
{
    const QByteArray format = u16le(1) /* PCM */ + u16le(quint16(channels)) + u32le(quint32(sampleRate))
        + u32le(quint32(sampleRate * channels * 2)) + u16le(quint16(channels * 2)) + u16le(16);
    return riffFile("WAVE", riffChunk("fmt ", format) + riffChunk("data", samples));
}

// A mono 16-bit PCM wave of a tone, its second half silent.
inline QByteArray tinyWaveFile(int sampleRate = 8000, double seconds = 0.05)
{
    QByteArray samples;
    const int count = int(sampleRate * seconds);
    for (int i = 0; i < count; ++i) {
        const double fade = i < count / 2 ? 1.0 : 0.0;
        const auto value = qint16(8000 * fade * std::sin(2 * M_PI * 880.0 * i / sampleRate));
        samples += u16le(quint16(value));
    }
    return pcmWaveFile(sampleRate, 1, samples);
}

inline bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

// A fresh working directory holding the given files (name, contents), the
// current one while the object lives; the one before is current again
// afterwards.
class SoundFilesDirectory {
public:
    explicit SoundFilesDirectory(const QList<std::pair<QString, QByteArray>> &files)
        : previous_(QDir::currentPath())
    {
        valid_ = dir_.isValid() && QDir::setCurrent(dir_.path());
        for (const auto &[name, contents] : files)
            valid_ = valid_ && writeFile(name, contents);
    }
    ~SoundFilesDirectory() { QDir::setCurrent(previous_); }

    SoundFilesDirectory(const SoundFilesDirectory &) = delete;
    SoundFilesDirectory &operator=(const SoundFilesDirectory &) = delete;

    bool isValid() const { return valid_; }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString previous_;
    bool valid_ = false;
};

} // namespace piyota::testing
