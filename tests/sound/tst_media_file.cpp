#include "media_file.h"
#include "sound_test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace piyota;
using namespace piyota::testing;

class TestMediaFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        previous_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_.path()));
        QVERIFY(writeFile(QStringLiteral("tone.wav"), tinyWaveFile()));
        QVERIFY(writeFile(QStringLiteral("tune.mid"), tinyMidiFile()));
        QVERIFY(writeFile(QStringLiteral("tune.rmi"),
                          riffFile("RMID", riffChunk("LIST", QByteArray("INFO")) + riffChunk("data", tinyMidiFile()))));
        QVERIFY(writeFile(QStringLiteral("broken.rmi"), riffFile("RMID", riffChunk("LIST", QByteArray("INFO")))));
        QVERIFY(writeFile(QStringLiteral("notes.txt"), "hello"));
        QVERIFY(writeFile(QStringLiteral("empty.wav"), QByteArray()));
        QVERIFY(QDir().mkdir(QStringLiteral("folder.mid")));
        QVERIFY(QFile::link(QStringLiteral("tone.wav"), QStringLiteral("linked.wav")));
        QVERIFY(::mkfifo("pipe.mid", 0644) == 0);
    }

    void cleanupTestCase() { QDir::setCurrent(previous_); }

    void waveIsFoundByItsContents()
    {
        const auto file = openMediaFile(QStringLiteral("tone.wav"));
        QVERIFY(file);
        QCOMPARE(file->kind, MediaFile::Kind::Wave);
        QCOMPARE(file->path, QDir(dir_.path()).absoluteFilePath(QStringLiteral("tone.wav")));
        QVERIFY(file->midi.isEmpty());
    }

    void midiFile()
    {
        const auto file = openMediaFile(QStringLiteral("tune.mid"));
        QVERIFY(file);
        QCOMPARE(file->kind, MediaFile::Kind::Midi);
        QCOMPARE(file->midi, tinyMidiFile());
    }

    void rmidFileIsUnwrapped()
    {
        const auto file = openMediaFile(QStringLiteral("tune.rmi"));
        QVERIFY(file);
        QCOMPARE(file->kind, MediaFile::Kind::Midi);
        QCOMPARE(file->midi, tinyMidiFile());
    }

    void nameIsRelativeToTheWorkingDirectory()
    {
        QVERIFY(QDir().mkpath(QStringLiteral("sub")));
        QVERIFY(QDir::setCurrent(QStringLiteral("sub")));
        QVERIFY(!openMediaFile(QStringLiteral("tone.wav")));
        QVERIFY(openMediaFile(QStringLiteral("../tone.wav")));
        QVERIFY(QDir::setCurrent(dir_.path()));
        QVERIFY(openMediaFile(QStringLiteral("tone.wav")));
    }

    void nothingOpens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty name") << QString();
        QTest::newRow("missing") << QStringLiteral("missing.wav");
        QTest::newRow("malformed rmid") << QStringLiteral("broken.rmi");
        QTest::newRow("not a sound") << QStringLiteral("notes.txt");
        QTest::newRow("empty file") << QStringLiteral("empty.wav");
        QTest::newRow("directory") << QStringLiteral("folder.mid");
        QTest::newRow("link to a sound") << QStringLiteral("linked.wav");
        QTest::newRow("FIFO, without blocking") << QStringLiteral("pipe.mid");
    }

    void nothingOpens()
    {
        QFETCH(QString, name);
        QVERIFY(!openMediaFile(name).has_value());
    }

    // A sound that another account put in the folder is never played; one
    // the system installed (root's) is.
    void soundOfAnotherAccountIsNotPlayed()
    {
        if (::geteuid() != 0)
            QSKIP("only root can give a file to another account");
        QVERIFY(writeFile(QStringLiteral("given.wav"), tinyWaveFile()));
        QVERIFY(openMediaFile(QStringLiteral("given.wav")));
        QVERIFY(::chown("given.wav", 61401, 61401) == 0);
        QVERIFY(!openMediaFile(QStringLiteral("given.wav")));
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};

QTEST_GUILESS_MAIN(TestMediaFile)
#include "tst_media_file.moc"
