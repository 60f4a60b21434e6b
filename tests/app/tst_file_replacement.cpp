#include "app/file_replacement.h"

#include "fakes/hostile_entries.h"
#include "fakes/progress_files.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace piyota;
using namespace piyota::testing;

namespace {

// What stands under the name "x.ucd" in the working directory.
enum class Entry { LinkOutside, DanglingLink, LinkChain, Folder, Fifo, Socket, Device };

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

    // Nothing but a regular file is replaced, and nothing outside the
    // working directory is touched: the entry and what it points to stay.
    void refusesToReplaceAllButARegularFile_data()
    {
        QTest::addColumn<Entry>("entry");
        QTest::newRow("link to a file outside") << Entry::LinkOutside;
        QTest::newRow("dangling link") << Entry::DanglingLink;
        QTest::newRow("chain of links to a file outside") << Entry::LinkChain;
        QTest::newRow("directory") << Entry::Folder;
        QTest::newRow("FIFO") << Entry::Fifo;
        QTest::newRow("socket") << Entry::Socket;
        QTest::newRow("device") << Entry::Device;
    }

    void refusesToReplaceAllButARegularFile()
    {
        QFETCH(Entry, entry);
        const QString name = work_->filePath(QStringLiteral("x.ucd"));
        const QString outsideFile = outside_->filePath(QStringLiteral("notes.txt"));
        const QString nowhere = outside_->filePath(QStringLiteral("none.ucd"));
        const QString hop = outside_->filePath(QStringLiteral("hop"));
        const QByteArray outsideBytes = "a file of the student's own\n";
        QVERIFY(writeBytes(outsideFile, outsideBytes));
        QString linkedTo;
        switch (entry) {
        case Entry::LinkOutside:
            linkedTo = outsideFile;
            break;
        case Entry::DanglingLink:
            linkedTo = nowhere;
            break;
        case Entry::LinkChain:
            QVERIFY(makeLink(hop, outsideFile));
            linkedTo = hop;
            break;
        case Entry::Folder:
            QVERIFY(QDir(work_->path()).mkdir(QStringLiteral("x.ucd")));
            break;
        case Entry::Fifo:
            QVERIFY(makeFifo(name));
            break;
        case Entry::Socket:
            QVERIFY(makeSocketEntry(name));
            break;
        case Entry::Device:
            if (!makeZeroDevice(name))
                QSKIP("this system does not let the test make a device node");
            break;
        }
        if (!linkedTo.isEmpty())
            QVERIFY(makeLink(name, linkedTo));
        const QFileInfo before(name);

        QVERIFY(!replaceFile(QDir(work_->path()), QStringLiteral("x.ucd"), kNewBytes));

        QCOMPARE(readBytes(outsideFile), outsideBytes);
        QVERIFY(!QFileInfo::exists(nowhere));
        QCOMPARE(QDir(outside_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 entry == Entry::LinkChain ? QStringList({QStringLiteral("hop"), QStringLiteral("notes.txt")})
                                           : QStringList{QStringLiteral("notes.txt")});
        QCOMPARE(linkTarget(name), linkedTo);
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
