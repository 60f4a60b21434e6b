// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_replacement.h"

#include "fakes/hostile_entries.h"
#include "fakes/progress_files.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>

using namespace piyota;
using namespace piyota::testing;

Q_DECLARE_METATYPE(piyota::testing::HostileEntry)

namespace {

const QByteArray kNewBytes = progressFileAt(9, 12000);

} // namespace

class FileReplacementTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        work_.emplace();
        outside_.emplace();
        QVERIFY(work_->isValid() && outside_->isValid());
    }

    void replacesAFileAndKeepsItsPermissions()
    {
        const QString path = work_->filePath(QStringLiteral("x.ucd"));
        QVERIFY(replaceFile(QDir(work_->path()), QStringLiteral("x.ucd"), progressFileAt(1, 0)));
        QCOMPARE(readBytes(path), progressFileAt(1, 0));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(replaceFile(QDir(work_->path()), QStringLiteral("x.ucd"), kNewBytes));
        QCOMPARE(readBytes(path), kNewBytes);
        const auto modeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
            | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(path) & modeBits, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(entries(), QStringList{QStringLiteral("x.ucd")});
    }

    // A file made anew is readable by the owner's group (the teachers', in
    // a class folder) and nobody else, whatever the umask says.
    void makesANewFileReadableByTheGroupOnly()
    {
        for (const mode_t mask : {mode_t(0), mode_t(022), mode_t(077)}) {
            const mode_t previous = ::umask(mask);
            const bool replaced = replaceFile(QDir(work_->path()), QStringLiteral("new.ucd"), kNewBytes);
            ::umask(previous);
            QVERIFY(replaced);
            struct stat status {};
            QVERIFY(::stat(QFile::encodeName(work_->filePath(QStringLiteral("new.ucd"))).constData(), &status) == 0);
            QCOMPARE(status.st_mode & 07777, mode_t(0640));
            QVERIFY(QFile::remove(work_->filePath(QStringLiteral("new.ucd"))));
        }
    }

    // Nothing but a regular file is replaced, and nothing outside the
    // working directory is touched: the entry and what it points to stay.
    void refusesToReplaceAllButARegularFile_data()
    {
        QTest::addColumn<HostileEntry>("entry");
        for (const HostileEntry entry : kHostileEntries)
            QTest::newRow(nameOf(entry)) << entry;
    }

    void refusesToReplaceAllButARegularFile()
    {
        QFETCH(HostileEntry, entry);
        const QString name = work_->filePath(QStringLiteral("x.ucd"));
        const OutsideFile outside{outside_->filePath(QStringLiteral("notes.txt"))};
        const QByteArray outsideBytes = "a file of the student's own\n";
        QVERIFY(writeBytes(outside.path, outsideBytes));
        if (!makeHostileEntry(entry, name, outside)) {
            if (entry == HostileEntry::Device)
                QSKIP("this system does not let the test make a device node");
            QFAIL("the entry could not be made");
        }
        const QStringList outsideEntries = QDir(outside_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        const QFileInfo before(name);

        QVERIFY(!replaceFile(QDir(work_->path()), QStringLiteral("x.ucd"), kNewBytes));

        QCOMPARE(readBytes(outside.path), outsideBytes);
        QVERIFY(!QFileInfo::exists(outside.missing()));
        QCOMPARE(QDir(outside_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 outsideEntries);
        QCOMPARE(linkTarget(name), linkOf(entry, outside));
        const QFileInfo after(name);
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.isFile(), before.isFile());
        QCOMPARE(entries(), QStringList{QStringLiteral("x.ucd")}); // no temporary file left
    }

    // Temporary files of interrupted saves of the same name go, and nothing
    // else, however alike.
    void removesTheLeftoversOfTheSameNameOnly()
    {
        const QString outsideFile = outside_->filePath(QStringLiteral("notes.txt"));
        QVERIFY(writeBytes(outsideFile, "kept\n"));
        const QStringList leftovers{QStringLiteral("kenta.ucd.AbCd3f"), QStringLiteral("kenta.ucd.zzzzzz"),
                                    QStringLiteral("kenta.ucd.QWERTY")};
        const QStringList others{
            QStringLiteral("kenta.ucd.AbCdE"),    QStringLiteral("kenta.ucd.AbCdEfG"), QStringLiteral("kenta.ucd.Ab-dEf"),
            QStringLiteral("kenta.ucd.bak"),      QStringLiteral("kenta.ucdxAbCdEf"),  QStringLiteral("other.ucd.AbCdEf"),
            QStringLiteral("ken.ucd.AbCdEf"),     QStringLiteral("xkenta.ucd.AbCdEf"), QStringLiteral("kenta.ucd.ucd"),
            QStringLiteral(".kenta.lock"),        QStringLiteral("other.ucd"),         QStringLiteral("kenta.ucd.ab.ucd"),
        };
        for (const QString &name : leftovers + others)
            QVERIFY(writeBytes(work_->filePath(name), "x"));
        QVERIFY(makeLink(work_->filePath(QStringLiteral("kenta.ucd.LiNkEd")), outsideFile));

        QVERIFY(replaceFile(QDir(work_->path()), QStringLiteral("kenta.ucd"), kNewBytes));

        QStringList expected = others + QStringList{QStringLiteral("kenta.ucd")};
        expected.sort();
        QCOMPARE(entries(), expected);
        QCOMPARE(readBytes(outsideFile), QByteArray("kept\n"));
    }

    void refusesNamesOutsideTheFolder()
    {
        QVERIFY(QDir(work_->path()).mkdir(QStringLiteral("sub")));
        for (const QString &name : {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("sub/x.ucd")})
            QVERIFY2(!replaceFile(QDir(work_->path()), name, kNewBytes), qPrintable(name));
        QCOMPARE(entries(), QStringList{QStringLiteral("sub")});
        QVERIFY(QDir(work_->path() + QStringLiteral("/sub")).isEmpty());
    }

private:
    QStringList entries() const
    {
        return QDir(work_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                             QDir::Name);
    }

    std::optional<QTemporaryDir> work_;    // the working directory
    std::optional<QTemporaryDir> outside_; // somewhere else the student may write
};

QTEST_GUILESS_MAIN(FileReplacementTest)
#include "tst_file_replacement.moc"
