// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chunk_reader.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

using namespace piyota::testing;

namespace {

constexpr quint32 sampleRate = 22050;
constexpr qsizetype silentTailSamples = sampleRate * 3 / 10; // the player clips the end
constexpr int fullScale = 32767;

QByteArray soundFile(const QString &name)
{
    QFile file(QStringLiteral(PIYOTA_ASSETS_DIR "/sounds/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Wave {
    quint16 encoding = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint16 bits = 0;
    QList<qint16> samples;
};

std::optional<Wave> readWave(const QByteArray &file)
{
    const auto chunks = readRiffForm(file, "WAVE");
    if (!chunks)
        return std::nullopt;
    const auto format = findChunk(*chunks, "fmt ");
    const auto data = findChunk(*chunks, "data");
    if (!format || !data || format->size() < 16)
        return std::nullopt;
    const char *fields = format->constData();
    Wave wave{qFromLittleEndian<quint16>(fields), qFromLittleEndian<quint16>(fields + 2),
              qFromLittleEndian<quint32>(fields + 4), qFromLittleEndian<quint16>(fields + 14), {}};
    for (qsizetype pos = 0; pos + 1 < data->size(); pos += 2)
        wave.samples.append(qFromLittleEndian<qint16>(data->constData() + pos));
    return wave;
}

int peakOf(QList<qint16>::const_iterator begin, QList<qint16>::const_iterator end)
{
    int peak = 0;
    for (auto it = begin; it != end; ++it)
        peak = std::max(peak, std::abs(int(*it)));
    return peak;
}

// What is wrong with a Standard MIDI File, or an empty string when nothing is.
QString smfProblem(const QByteArray &smf)
{
    const auto chunks = readChunks(smf, ChunkLayout::Smf);
    if (!chunks || chunks->isEmpty() || chunks->first().id != "MThd")
        return QStringLiteral("does not start with a whole MThd chunk");
    const QByteArray header = chunks->first().body;
    if (header.size() != 6)
        return QStringLiteral("header length %1").arg(header.size());
    const quint16 format = qFromBigEndian<quint16>(header.constData());
    const quint16 tracks = qFromBigEndian<quint16>(header.constData() + 2);
    if (format > 1)
        return QStringLiteral("format %1").arg(format);
    if (tracks < 1 || chunks->size() != tracks + 1)
        return QStringLiteral("%1 tracks announced, %2 chunks follow").arg(tracks).arg(chunks->size() - 1);
    const QByteArrayView endOfTrack("\xFF\x2F\x00", 3);
    for (qsizetype i = 1; i < chunks->size(); ++i) {
        if (chunks->at(i).id != "MTrk" || !chunks->at(i).body.endsWith(endOfTrack))
            return QStringLiteral("chunk %1 is not a track closed by End of Track").arg(i);
    }
    return {};
}

void addEffectRows()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"pinpon.wav", "endpinpon.wav", "Chimes.wav", "Chimes2.wav"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

} // namespace

class TestSoundFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void effectIsMono16BitPcmAt22050Hz_data() { addEffectRows(); }
    void effectIsMono16BitPcmAt22050Hz()
    {
        QFETCH(QString, name);
        const auto wave = readWave(soundFile(name));
        QVERIFY(wave);
        QCOMPARE(wave->encoding, 1);
        QCOMPARE(wave->channels, 1);
        QCOMPARE(wave->rate, sampleRate);
        QCOMPARE(wave->bits, 16);
    }

    void effectEndsInSilence_data() { addEffectRows(); }
    void effectEndsInSilence()
    {
        QFETCH(QString, name);
        const auto wave = readWave(soundFile(name));
        QVERIFY(wave);
        QVERIFY(wave->samples.size() > 2 * silentTailSamples);
        const auto tail = wave->samples.cend() - silentTailSamples;
        QCOMPARE(peakOf(tail, wave->samples.cend()), 0);
        QVERIFY(peakOf(wave->samples.cbegin(), tail) > 0);
    }

    void effectPeaksNearMinus3dB_data() { addEffectRows(); }
    void effectPeaksNearMinus3dB()
    {
        QFETCH(QString, name);
        const auto wave = readWave(soundFile(name));
        QVERIFY(wave);
        const double peak = double(peakOf(wave->samples.cbegin(), wave->samples.cend())) / fullScale;
        QVERIFY2(peak > 0.65 && peak < 0.75, qPrintable(QString::number(peak)));
    }

    void effectStartsFromSilence_data() { addEffectRows(); }
    void effectStartsFromSilence()
    {
        QFETCH(QString, name);
        const auto wave = readWave(soundFile(name));
        QVERIFY(wave);
        QVERIFY(std::abs(int(wave->samples.first())) < fullScale / 100);
    }

    void midiFileIsWellFormed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("passport") << QStringLiteral("passport.mid");
        QTest::newRow("Canyon") << QStringLiteral("Canyon.mid");
    }
    void midiFileIsWellFormed()
    {
        QFETCH(QString, name);
        const QString problem = smfProblem(soundFile(name));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void rmidWrapsAMidiFileInItsDataChunk()
    {
        const QByteArray file = soundFile(QStringLiteral("bahha.rmi"));
        QCOMPARE(file.size() % 2, 0);
        const auto chunks = readRiffForm(file, "RMID");
        QVERIFY(chunks);
        const auto data = findChunk(*chunks, "data");
        QVERIFY(data);
        const QString problem = smfProblem(*data);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // The checks above must be able to fail.
    void truncatedMidiFileIsCaught()
    {
        const QByteArray file = soundFile(QStringLiteral("passport.mid"));
        QVERIFY(smfProblem(file).isEmpty());
        QVERIFY(!smfProblem(file.chopped(1)).isEmpty());
    }

    void riffWithWrongSizeIsCaught()
    {
        QByteArray file = soundFile(QStringLiteral("pinpon.wav"));
        QVERIFY(readWave(file));
        file[4] = char(file[4] + 1);
        QVERIFY(!readWave(file));
    }
};

QTEST_GUILESS_MAIN(TestSoundFiles)
#include "tst_sound_files.moc"
