// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media_file.h"
#include "sound_test_files.h"

#include <QDir>
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
        files_.emplace(QList<std::pair<QString, QByteArray>>{
            {QStringLiteral("tone.wav"), tinyWaveFile()},
            {QStringLiteral("tune.mid"), tinyMidiFile()},
            {QStringLiteral("tune.rmi"), rmidFile(tinyMidiFile())},
            {QStringLiteral("broken.rmi"), riffFile("RMID", riffChunk("LIST", QByteArray("INFO")))},
            {QStringLiteral("notes.txt"), "hello"},
            {QStringLiteral("empty.wav"), QByteArray()},
        });
        QVERIFY(files_->isValid());
        QVERIFY(QDir().mkdir(QStringLiteral("folder.mid")));
        QVERIFY(QFile::link(QStringLiteral("tone.wav"), QStringLiteral("linked.wav")));
        QVERIFY(::mkfifo("pipe.mid", 0644) == 0);
    }

    void cleanupTestCase() { files_.reset(); }

    void waveIsFoundByItsContents()
    {
        const auto file = openMediaFile(QStringLiteral("tone.wav"));
        QVERIFY(file);
        QVERIFY(std::holds_alternative<WaveMedia>(*file));
        QCOMPARE(std::get<WaveMedia>(*file).path, QDir(files_->path()).absoluteFilePath(QStringLiteral("tone.wav")));
    }

    void midiMusicIsFoundByItsContents_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("standard MIDI file") << QStringLiteral("tune.mid");
        QTest::newRow("RMID container") << QStringLiteral("tune.rmi");
    }

    void midiMusicIsFoundByItsContents()
    {
        QFETCH(QString, name);
        const auto file = openMediaFile(name);
        QVERIFY(file);
        QVERIFY(std::holds_alternative<MidiMedia>(*file));
        QCOMPARE(std::get<MidiMedia>(*file).midiFile, tinyMidiFile());
    }

    void nameIsRelativeToTheWorkingDirectory()
    {
        QVERIFY(QDir().mkpath(QStringLiteral("sub")));
        QVERIFY(QDir::setCurrent(QStringLiteral("sub")));
        QVERIFY(!openMediaFile(QStringLiteral("tone.wav")));
        QVERIFY(openMediaFile(QStringLiteral("../tone.wav")));
        QVERIFY(QDir::setCurrent(files_->path()));
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
    std::optional<SoundFilesDirectory> files_;
};

QTEST_GUILESS_MAIN(TestMediaFile)
#include "tst_media_file.moc"
