// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading wave files for the sound server: the samples as the file holds
// them, whatever its rate and channels, and nothing from what is not a sound.
#include "wave_file.h"
#include "sound_test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace piyota;
using namespace piyota::testing;

namespace {

// A 16-bit PCM wave of the given samples (interleaved when stereo).
QByteArray pcmWave(int sampleRate, int channels, const QList<qint16> &samples)
{
    QByteArray data;
    for (qint16 sample : samples)
        data += u16le(quint16(sample));
    return pcmWaveFile(sampleRate, channels, data);
}

QList<qint16> samplesOf(const WaveSound &sound)
{
    QList<qint16> samples;
    const auto *data = reinterpret_cast<const qint16 *>(sound.samples.constData());
    for (qsizetype i = 0; i < sound.samples.size() / 2; ++i)
        samples.append(data[i]);
    return samples;
}

} // namespace

class TestWaveFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void samplesComeAsTheFileHoldsThem()
    {
        const QList<qint16> stereo{0, -1, 32767, -32768, 1234, -4321, 7, 8};
        const QString path = dir_.filePath(QStringLiteral("stereo.wav"));
        QVERIFY(writeFile(path, pcmWave(48000, 2, stereo)));
        const std::optional<WaveSound> sound = readWaveFile(path);
        QVERIFY(sound);
        QCOMPARE(sound->sampleRate, 48000);
        QCOMPARE(sound->channels, 2);
        QCOMPARE(samplesOf(*sound), stereo);
    }

    void theCoursesKindOfWave()
    {
        // Mono at a low rate, a tone ending in silence.
        const QString path = dir_.filePath(QStringLiteral("tone.wav"));
        QVERIFY(writeFile(path, tinyWaveFile(8000, 0.05)));
        const std::optional<WaveSound> sound = readWaveFile(path);
        QVERIFY(sound);
        QCOMPARE(sound->sampleRate, 8000);
        QCOMPARE(sound->channels, 1);
        QCOMPARE(sound->samples.size(), qsizetype(400 * 2));
        const QList<qint16> samples = samplesOf(*sound);
        QVERIFY(std::any_of(samples.begin(), samples.begin() + 200, [](qint16 s) { return std::abs(s) > 7000; }));
        QVERIFY(std::all_of(samples.begin() + 200, samples.end(), [](qint16 s) { return s == 0; }));
    }

    void nothingFromWhatIsNotASound_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("MIDI file") << tinyMidiFile();
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text") << QByteArray("RIFF but not a wave at all, just text");
        QTest::newRow("wave without samples") << pcmWave(22050, 1, {});
        QTest::newRow("wave cut in its header") << pcmWave(22050, 1, {1, 2, 3}).left(30);
    }

    void nothingFromWhatIsNotASound()
    {
        QFETCH(QByteArray, contents);
        const QString path = dir_.filePath(QStringLiteral("odd.wav"));
        QVERIFY(writeFile(path, contents));
        QVERIFY(!readWaveFile(path));
    }

    void nothingFromAMissingFileOrADirectory()
    {
        QVERIFY(!readWaveFile(dir_.filePath(QStringLiteral("missing.wav"))));
        QVERIFY(!readWaveFile(dir_.path()));
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestWaveFile)
#include "tst_wave_file.moc"
