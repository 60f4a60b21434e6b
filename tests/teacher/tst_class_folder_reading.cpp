// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a folder off the interface thread: progress, cancelling, and the
// folder left exactly as it was.

#include "class_folders.h"
#include "held_reader.h"

#include "class_folder.h"

#include <QDirIterator>
#include <QFutureWatcher>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace piyota;
using namespace piyota::teacher;
using namespace piyota::testing;

namespace {

// The folder and every entry of it with what a change would change: kind,
// bytes, modification and status-change times (the folder's own change with
// any file made or removed in it, a lock file too).
QStringList folderState(const QString &path)
{
    QStringList state;
    QStringList paths{path};
    QDirIterator entries(path, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext())
        paths.append(entries.next());
    for (const QString &entry : paths) {
        struct stat status {};
        if (::lstat(QFile::encodeName(entry).constData(), &status) != 0)
            return {QStringLiteral("cannot stat ") + entry};
        const QByteArray bytes = S_ISREG(status.st_mode) ? readBytes(entry) : QByteArray();
        state.append(QStringLiteral("%1 mode %2 mtime %3.%4 ctime %5.%6 %7")
                         .arg(entry)
                         .arg(status.st_mode, 0, 8)
                         .arg(status.st_mtim.tv_sec)
                         .arg(status.st_mtim.tv_nsec)
                         .arg(status.st_ctim.tv_sec)
                         .arg(status.st_ctim.tv_nsec)
                         .arg(QString::fromLatin1(bytes.toHex())));
    }
    state.sort();
    return state;
}

} // namespace

class ClassFolderReadingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        folder_.emplace();
        elsewhere_.emplace();
        QVERIFY(folder_->isValid() && elsewhere_->isValid());
        QVERIFY(writeClass(QDir(folder_->path())));
    }

    void cleanup()
    {
        QThreadPool::globalInstance()->waitForDone(); // no reading outlives its test
    }

    void leavesTheFolderExactlyAsItWas()
    {
        QVERIFY(writeBrokenFiles(QDir(folder_->path()), elsewhere_->filePath(QStringLiteral("real.ucd"))));
        QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("yuki"))); // a student's own folder
        QVERIFY(writeBytes(folder_->filePath(QStringLiteral("yuki/a1.ucd")), progressText(2, "3000", finishedUpTo(1))));
        QVERIFY(writeBytes(folder_->filePath(QStringLiteral("yuki/.a1.lock")), "12345\nhost\n"));
        const QStringList before = folderState(folder_->path());
        const QStringList elsewhereBefore = folderState(elsewhere_->path());
        QFuture<ClassOverview> reading = readClassOverview(folder_->path());
        reading.waitForFinished();
        QCOMPARE(reading.result().students.size(), 6);
        QCOMPARE(folderState(folder_->path()), before);
        QCOMPARE(folderState(elsewhere_->path()), elsewhereBefore);
    }

    void readsAFolderItMayNotWriteTo()
    {
        if (::geteuid() == 0)
            QSKIP("file permissions do not hold for root");
        QVERIFY(QFile::setPermissions(folder_->path(), QFile::ReadOwner | QFile::ExeOwner));
        QFuture<ClassOverview> reading = readClassOverview(folder_->path());
        reading.waitForFinished();
        QVERIFY(QFile::setPermissions(folder_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(reading.result().students.size(), 5);
        QVERIFY(reading.result().skipped.isEmpty());
    }

    void reportsTheFilesReadOutOfTheFilesFound()
    {
        QFutureWatcher<ClassOverview> watcher;
        QSignalSpy range(&watcher, &QFutureWatcherBase::progressRangeChanged);
        QSignalSpy finished(&watcher, &QFutureWatcherBase::finished);
        HeldReader held;
        watcher.setFuture(readClassOverview(folder_->path(), held.reader()));
        QVERIFY(held.awaitReads(1));
        QTRY_VERIFY(!range.isEmpty());
        QCOMPARE(range.last(), QVariantList({0, 5}));
        QCOMPARE(watcher.progressValue(), 0);
        held.release();
        QVERIFY(finished.wait());
        QCOMPARE(watcher.progressValue(), 5);
        QCOMPARE(watcher.result().students.size(), 5);
    }

    void stopsAtTheNextFileOnceCancelled()
    {
        HeldReader held;
        QFuture<ClassOverview> reading = readClassOverview(folder_->path(), held.reader());
        QVERIFY(held.awaitReads(1));
        reading.cancel();
        held.release();
        reading.waitForFinished();
        QVERIFY(reading.isCanceled());
        QCOMPARE(reading.resultCount(), 0);
        QCOMPARE(held.reads(), 1); // the read under way, and no other
    }

private:
    std::optional<QTemporaryDir> folder_;
    std::optional<QTemporaryDir> elsewhere_;
};

QTEST_GUILESS_MAIN(ClassFolderReadingTest)
#include "tst_class_folder_reading.moc"
