// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress_reader.h"

#include "fakes/hostile_entries.h"
#include "fakes/progress_files.h"

#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <optional>

using namespace piyota;
using namespace piyota::testing;

Q_DECLARE_METATYPE(piyota::testing::HostileEntry)

namespace {

// The bound the program promises for a read.
constexpr qsizetype kReadBound = 64 * 1024;

QString refusalText(ProgressFileRefusal refusal)
{
    const char *const texts[] = {"unusable name", "missing",   "link",      "not a regular file",
                                 "too large",     "malformed", "unreadable"};
    return QString::fromLatin1(texts[int(refusal)]);
}

// What a read gave, in words.
QString outcome(const ProgressFileRead &read)
{
    if (std::holds_alternative<ProgressRecord>(read))
        return QStringLiteral("a record");
    return refusalText(std::get<ProgressFileRefusal>(read));
}

} // namespace

class ProgressReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        work_.emplace();
        outside_.emplace();
        QVERIFY(work_->isValid() && outside_->isValid());
    }

    void readsARegularFileOfTheFolder()
    {
        QVERIFY(writeBytes(work_->filePath(QStringLiteral("x.ucd")), progressFileAt(7, -6000, "2,45296.37")));
        const ProgressFileRead read = readProgressFile(QDir(work_->path()), QStringLiteral("x.ucd"));
        const auto *record = std::get_if<ProgressRecord>(&read);
        QVERIFY2(record, qPrintable(outcome(read)));
        QCOMPARE(record->problemNo, std::int16_t(7));
        QCOMPARE(record->score, -6000.0);
        QCOMPARE(record->missCount[6], 1);
        QCOMPARE(record->answerSeconds[6], 30.0f);
        QCOMPARE(record->missCount[7], 2);
        QCOMPARE(record->answerSeconds[7], 45296.37f);
        QCOMPARE(record->missCount[8], 0);
    }

    void refusesAllButARegularFileOfTheFolder_data()
    {
        QTest::addColumn<HostileEntry>("entry");
        for (const HostileEntry entry : kHostileEntries)
            QTest::newRow(nameOf(entry)) << entry;
    }

    void refusesAllButARegularFileOfTheFolder()
    {
        QFETCH(HostileEntry, entry);
        const QString name = work_->filePath(QStringLiteral("x.ucd"));
        const OutsideFile outside{outside_->filePath(QStringLiteral("other.ucd"))};
        const QByteArray outsideBytes = progressFileAt(25, 90000);
        QVERIFY(writeBytes(outside.path, outsideBytes));
        if (!makeHostileEntry(entry, name, outside)) {
            if (entry == HostileEntry::Device)
                QSKIP("this system does not let the test make a device node");
            QFAIL("the entry could not be made");
        }

        // A read that blocks is let go by a writer opening the FIFO, then fails.
        auto reading = std::async(std::launch::async,
                                  [this] { return readProgressFile(QDir(work_->path()), QStringLiteral("x.ucd")); });
        if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ::close(::open(QFile::encodeName(name).constData(), O_WRONLY | O_NONBLOCK));
            reading.wait();
            QFAIL("the read blocked");
        }
        const ProgressFileRefusal refusal =
            linkOf(entry, outside).isEmpty() ? ProgressFileRefusal::NotRegularFile : ProgressFileRefusal::Link;
        QCOMPARE(outcome(reading.get()), refusalText(refusal));
        QCOMPARE(readBytes(outside.path), outsideBytes);
    }

    void readsABoundedPrefix()
    {
        const QString name = work_->filePath(QStringLiteral("x.ucd"));
        const QDir folder(work_->path());
        auto refusal = [&] { return outcome(readProgressFile(folder, QStringLiteral("x.ucd"))); };

        // A sparse file of 4 GiB: zeros as far as the bound, and never read further.
        {
            QFile sparse(name);
            QVERIFY(sparse.open(QIODevice::WriteOnly));
            QVERIFY(sparse.resize(qint64(4) << 30));
        }
        QCOMPARE(refusal(), refusalText(ProgressFileRefusal::TooLarge));

        // A valid record followed by more than the bound of anything is read.
        // Its last field is problem 30's seconds, "123456".
        const QByteArray record = progressFileAt(30, 6000, "0,123456");
        QVERIFY(writeBytes(name, record + QByteArray(kReadBound, 'x')));
        QCOMPARE(refusal(), QStringLiteral("a record"));

        // Spaces before the first field are allowed, but not as far as pushing
        // the fields beyond the bound.
        QVERIFY(writeBytes(name, QByteArray(kReadBound, ' ') + record));
        QCOMPARE(refusal(), refusalText(ProgressFileRefusal::TooLarge));

        // The last field, "123456", cut by the bound after "123": the file does
        // not count as read, whatever its cut start would say.
        const qsizetype lastFieldEnd = record.size() - 2; // before its CR LF
        const qsizetype cut = lastFieldEnd - 3;
        const QByteArray padded = QByteArray(kReadBound - cut, ' ') + record + "more\r\n";
        QVERIFY(writeBytes(name, padded));
        QCOMPARE(refusal(), refusalText(ProgressFileRefusal::TooLarge));

        // The same with the field and its CR inside the bound is read whole.
        const QByteArray fitting = QByteArray(kReadBound - lastFieldEnd - 1, ' ') + record + "more\r\n";
        QVERIFY(writeBytes(name, fitting));
        const ProgressFileRead read = readProgressFile(folder, QStringLiteral("x.ucd"));
        QVERIFY(std::holds_alternative<ProgressRecord>(read));
        QCOMPARE(std::get<ProgressRecord>(read).answerSeconds[30], 123456.0f);
    }

    void refusesNamesThatLeadOutOfTheFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("the folder itself") << QStringLiteral(".");
        QTest::newRow("its parent") << QStringLiteral("..");
        QTest::newRow("a file in a subfolder") << QStringLiteral("sub/x.ucd");
        QTest::newRow("NUL") << QStringLiteral("x.ucd") + QChar(0) + QStringLiteral("y");
    }

    void refusesNamesThatLeadOutOfTheFolder()
    {
        QFETCH(QString, name);
        QVERIFY(QDir(work_->path()).mkdir(QStringLiteral("sub")));
        QVERIFY(writeBytes(work_->filePath(QStringLiteral("sub/x.ucd")), progressFileAt(3, 0)));
        QVERIFY(writeBytes(work_->filePath(QStringLiteral("x.ucd")), progressFileAt(3, 0)));
        QCOMPARE(outcome(readProgressFile(QDir(work_->path()), name)),
                 refusalText(ProgressFileRefusal::UnusableName));
    }

    void tellsMissingMalformedAndUnreadableFilesApart()
    {
        const QString name = work_->filePath(QStringLiteral("x.ucd"));
        QCOMPARE(outcome(readProgressFile(QDir(work_->path()), QStringLiteral("x.ucd"))),
                 refusalText(ProgressFileRefusal::Missing));
        QVERIFY(writeBytes(name, progressFileAt(31, 0)));
        QCOMPARE(outcome(readProgressFile(QDir(work_->path()), QStringLiteral("x.ucd"))),
                 refusalText(ProgressFileRefusal::Malformed));
        if (::geteuid() == 0)
            QSKIP("file permissions do not hold for root");
        QVERIFY(writeBytes(name, progressFileAt(3, 0)));
        QVERIFY(QFile::setPermissions(name, QFile::WriteOwner));
        QCOMPARE(outcome(readProgressFile(QDir(work_->path()), QStringLiteral("x.ucd"))),
                 refusalText(ProgressFileRefusal::Unreadable));
    }

private:
    std::optional<QTemporaryDir> work_;    // the working directory
    std::optional<QTemporaryDir> outside_; // somewhere else the student may write
};

QTEST_GUILESS_MAIN(ProgressReaderTest)
#include "tst_progress_reader.moc"
