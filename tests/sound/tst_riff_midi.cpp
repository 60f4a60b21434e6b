#include "riff_midi.h"
#include "sound_test_files.h"

#include <QTest>

using namespace piyota;
using namespace piyota::testing;

class TestRiffMidi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void testFileIsOddSized()
    {
        QCOMPARE(tinyMidiFile().size() % 2, 1);
    }

    void plainMidiFilePassesThrough()
    {
        const QByteArray midi = tinyMidiFile();
        const auto unwrapped = unwrapRiffMidi(midi);
        QVERIFY(unwrapped);
        QCOMPARE(*unwrapped, midi);
    }

    void dataChunkAlone()
    {
        const QByteArray midi = tinyMidiFile();
        const auto unwrapped = unwrapRiffMidi(riffFile("RMID", riffChunk("data", midi)));
        QVERIFY(unwrapped);
        QCOMPARE(*unwrapped, midi);
    }

    void dataChunkAfterListChunk()
    {
        const QByteArray midi = tinyMidiFile();
        const QByteArray info = QByteArray("INFO") + riffChunk("INAM", QByteArray("bahha", 6));
        const QByteArray file =
            riffFile("RMID", riffChunk("LIST", info) + riffChunk("data", midi));
        const auto unwrapped = unwrapRiffMidi(file);
        QVERIFY(unwrapped);
        QCOMPARE(*unwrapped, midi);
    }

    void oddLengthChunkBeforeDataIsPadded()
    {
        const QByteArray midi = tinyMidiFile();
        const QByteArray odd("abcde"); // five bytes and a pad byte
        const QByteArray file = riffFile("RMID", riffChunk("LIST", odd) + riffChunk("data", midi));
        QCOMPARE(file.size(), 12 + 8 + 6 + 8 + midi.size() + 1);
        const auto unwrapped = unwrapRiffMidi(file);
        QVERIFY(unwrapped);
        QCOMPARE(*unwrapped, midi);
    }

    void oddLengthDataKeepsItsOwnLength()
    {
        const QByteArray midi = tinyMidiFile();
        const auto unwrapped = unwrapRiffMidi(riffFile("RMID", riffChunk("data", midi)));
        QVERIFY(unwrapped);
        QCOMPARE(unwrapped->size(), midi.size()); // the pad byte is not part of it
    }

    void unknownChunksAreSkipped()
    {
        const QByteArray midi = tinyMidiFile();
        const QByteArray file = riffFile(
            "RMID", riffChunk("DISP", QByteArray(7, 'x')) + riffChunk("LIST", QByteArray("INFO"))
                        + riffChunk("data", midi));
        const auto unwrapped = unwrapRiffMidi(file);
        QVERIFY(unwrapped);
        QCOMPARE(*unwrapped, midi);
    }

    void missingPadByteAfterFinalDataIsAccepted()
    {
        const QByteArray midi = tinyMidiFile();
        QByteArray file = riffFile("RMID", riffChunk("data", midi));
        file.chop(1); // a writer that forgot the final pad byte
        const auto unwrapped = unwrapRiffMidi(file);
        QVERIFY(unwrapped);
        QCOMPARE(*unwrapped, midi);
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
