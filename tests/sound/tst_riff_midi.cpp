// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "riff_midi.h"
#include "sound_test_files.h"

#include <QTest>

using namespace piyota;
using namespace piyota::testing;

class TestRiffMidi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void unwraps_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray midi = tinyMidiFile(); // of odd size: its chunk has a pad byte
        QByteArray unpadded = riffFile("RMID", riffChunk("data", midi));
        unpadded.chop(1); // a writer that forgot the final pad byte

        QTest::newRow("a standard MIDI file as it is") << midi;
        QTest::newRow("data chunk alone") << riffFile("RMID", riffChunk("data", midi));
        QTest::newRow("data after a LIST chunk")
            << riffFile("RMID", riffChunk("LIST", QByteArray("INFO") + riffChunk("INAM", QByteArray("bahha", 6)))
                                    + riffChunk("data", midi));
        QTest::newRow("data after a chunk of odd length, padded")
            << riffFile("RMID", riffChunk("LIST", QByteArray("abcde")) + riffChunk("data", midi));
        QTest::newRow("unknown chunks skipped")
            << riffFile("RMID", riffChunk("DISP", QByteArray(7, 'x')) + riffChunk("LIST", QByteArray("INFO"))
                                    + riffChunk("data", midi));
        QTest::newRow("no pad byte after the final data") << unpadded;
    }

    void unwraps()
    {
        QFETCH(QByteArray, file);
        const auto unwrapped = unwrapRiffMidi(file);
        QVERIFY(unwrapped);
        QCOMPARE(*unwrapped, tinyMidiFile());
    }

    void malformed_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray midi = tinyMidiFile();
        const QByteArray good = riffFile("RMID", riffChunk("data", midi));

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("riff magic only") << QByteArray("RIFF");
        QTest::newRow("header cut before form type") << good.left(10);
        QTest::newRow("header without chunks") << riffFile("RMID", QByteArray());
        QTest::newRow("cut in the data chunk header") << good.left(16);
        QTest::newRow("cut in the data payload") << good.left(good.size() - 10);
        QTest::newRow("wrong magic") << QByteArray("RIFX") + good.mid(4);
        QTest::newRow("lower-case magic") << QByteArray("riff") + good.mid(4);
        QTest::newRow("wave form type") << riffFile("WAVE", riffChunk("data", midi));
        QTest::newRow("no data chunk") << riffFile("RMID", riffChunk("LIST", QByteArray("INFO")));
        QTest::newRow("data not a midi file")
            << riffFile("RMID", riffChunk("data", QByteArray("MTrk") + midi.mid(4)));
        QTest::newRow("empty data chunk") << riffFile("RMID", riffChunk("data", QByteArray()));
        {
            QByteArray huge = good;
            qToLittleEndian<quint32>(0xffffffffu, huge.data() + 16); // data length
            QTest::newRow("data length past the end") << huge;
        }
        {
            QByteArray pastEnd = riffFile("RMID", riffChunk("LIST", QByteArray(8, 'x')) + riffChunk("data", midi));
            qToLittleEndian<quint32>(quint32(pastEnd.size()), pastEnd.data() + 16); // LIST length
            QTest::newRow("chunk before data runs past the end") << pastEnd;
        }
        {
            QByteArray small = good;
            qToLittleEndian<quint32>(4u, small.data() + 4); // RIFF size: the form type only
            QTest::newRow("data outside the declared container") << small;
        }
        {
            QByteArray tiny = good;
            qToLittleEndian<quint32>(2u, tiny.data() + 4);
            QTest::newRow("container size below its form type") << tiny;
        }
        QTest::newRow("text") << QByteArray("not a sound file at all");
        QTest::newRow("midi magic not at the start") << QByteArray("xMThd") + midi.mid(4);
        QTest::newRow("wave file") << tinyWaveFile();
    }

    void malformed()
    {
        QFETCH(QByteArray, file);
        QVERIFY(!unwrapRiffMidi(file).has_value());
    }
};

QTEST_GUILESS_MAIN(TestRiffMidi)
#include "tst_riff_midi.moc"
