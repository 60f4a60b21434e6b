// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A class folder as a school shares it: a folder of its own per student
// account, the login of its owner beside the code, files an earlier
// version left at the top, and names that are not valid UTF-8.

#include "class_folders.h"

#include "shown_names.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace piyota;
using namespace piyota::teacher;
using namespace piyota::testing;
using namespace Qt::StringLiterals;

namespace {

// An account no passwd entry names.
constexpr uid_t kUnknownAccount = 61234;

QStringList loginsAndCodes(const ClassOverview &overview)
{
    QStringList rows;
    for (const StudentFigures &student : overview.students)
        rows.append(student.login + u'|' + student.userCode);
    return rows;
}

QStringList skippedNames(const ClassOverview &overview)
{
    QStringList names;
    for (const SkippedFile &file : overview.skipped)
        names.append(file.fileName);
    return names;
}

// Writes a file whose name is raw bytes, as another system's student may leave one.
bool writeRawName(const QString &folder, const QByteArray &name, const QByteArray &bytes)
{
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0640);
    const bool written = fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && written;
}

} // namespace

class ClassFolderLayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        shared_.emplace();
        QVERIFY(shared_->isValid());
        const QDir shared(shared_->path());
        QVERIFY(shared.mkdir(u"yuki"_s) && shared.mkdir(u"aoi"_s));
        QVERIFY(writeBytes(shared.filePath(u"yuki/b2.ucd"_s), progressText(3, "6000", finishedUpTo(2))));
        QVERIFY(writeBytes(shared.filePath(u"yuki/a1.ucd"_s), progressText(2, "3000", finishedUpTo(1))));
        QVERIFY(writeBytes(shared.filePath(u"aoi/z9.ucd"_s), progressText(4, "9000", finishedUpTo(3))));
        QVERIFY(writeBytes(shared.filePath(u"aoi/.z9.lock"_s), "12345\nhost\n"));
        QVERIFY(writeBytes(shared.filePath(u"old.ucd"_s), progressText(5, "12000", finishedUpTo(4))));
    }

    void studentsByLoginThenCodeEachFolderOwnedByItsAccount()
    {
        if (::geteuid() != 0)
            QSKIP("giving a folder to another account needs root");
        // "aoi" belongs to an account without a name: its number is the login.
        QCOMPARE(::chown(QFile::encodeName(shared_->filePath(u"aoi"_s)).constData(), kUnknownAccount, -1), 0);
        const ClassOverview overview = readOverviewOf(shared_->path());
        // The file at the top has no login and comes first; the lock file is no progress file.
        QCOMPARE(loginsAndCodes(overview), QStringList({u"|old"_s, u"61234|z9"_s, u"root|a1"_s, u"root|b2"_s}));
        QVERIFY(overview.skipped.isEmpty());
        QCOMPARE(overview.problems[0].studentsReached, 4);
    }

    void aFileAtTheTopOfASharedFolderNamesItsOwner()
    {
        if (::geteuid() != 0)
            QSKIP("giving a file to another account needs root");
        const QByteArray top = QFile::encodeName(shared_->path());
        QCOMPARE(::chown((top + "/old.ucd").constData(), kUnknownAccount, -1), 0);
        QCOMPARE(::chmod(top.constData(), 03777), 0);
        QCOMPARE(loginsAndCodes(readOverviewOf(shared_->path())),
                 QStringList({u"61234|old"_s, u"root|a1"_s, u"root|b2"_s, u"root|z9"_s}));
    }

    void neverFollowsALinkNorLooksIntoHiddenOrDeeperFolders()
    {
        QTemporaryDir elsewhere;
        QVERIFY(writeBytes(elsewhere.filePath(u"x.ucd"_s), progressText(2, "3000", finishedUpTo(1))));
        const QDir shared(shared_->path());
        QVERIFY(makeLink(shared.filePath(u"linked"_s), elsewhere.path()));
        QVERIFY(shared.mkpath(u".hidden"_s) && shared.mkpath(u"yuki/deeper"_s));
        QVERIFY(writeBytes(shared.filePath(u".hidden/h.ucd"_s), progressText(2, "3000", finishedUpTo(1))));
        QVERIFY(writeBytes(shared.filePath(u"yuki/deeper/d.ucd"_s), progressText(2, "3000", finishedUpTo(1))));
        QVERIFY(makeLink(shared.filePath(u"yuki/l.ucd"_s), elsewhere.filePath(u"x.ucd"_s)));
        const ClassOverview overview = readOverviewOf(shared_->path());
        QCOMPARE(overview.students.size(), 4);
        QCOMPARE(skippedNames(overview), QStringList{u"yuki/l.ucd"_s}); // a link named as a progress file, listed
        QCOMPARE(overview.skipped[0].reason, ProgressFileRefusal::Link);
    }

    void everyUcdEntryIsAStudentOrSaysWhyNot()
    {
        const QString yuki = shared_->filePath(u"yuki"_s);
        QVERIFY(writeRawName(yuki, "\xff\xfe.ucd", progressText(6, "15000", finishedUpTo(5))));
        QVERIFY(writeRawName(shared_->path(), "bro\xe3\x81ken.ucd", "no numbers"));
        QVERIFY(writeBytes(shared_->filePath(u"UPPER.UCD"_s), progressText(2, "3000", finishedUpTo(1))));
        QVERIFY(writeBytes(shared_->filePath(u"yuki/notes.txt"_s), "3年2組"));
        const ClassOverview overview = readOverviewOf(shared_->path());
        QVERIFY(loginsAndCodes(overview).contains(accountName(::geteuid()) + u"|\\xFF\\xFE"_s));
        QCOMPARE(skippedNames(overview), QStringList{u"bro\\xE3\\x81ken.ucd"_s});
        QCOMPARE(overview.students.size(), 5);
    }

    void aStudentsFolderThatCannotBeListedIsNamed()
    {
        if (::geteuid() == 0)
            QSKIP("file permissions do not hold for root");
        QVERIFY(QFile::setPermissions(shared_->filePath(u"aoi"_s), QFileDevice::WriteOwner));
        const ClassOverview overview = readOverviewOf(shared_->path());
        QVERIFY(QFile::setPermissions(shared_->filePath(u"aoi"_s),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(skippedNames(overview), QStringList{u"aoi/"_s});
        QCOMPARE(overview.students.size(), 3);
    }

    void namesShownEscapedWhereTheyAreNotUtf8()
    {
        QCOMPARE(readableName("ゆき"), u"ゆき"_s);
        QCOMPARE(readableName("a\xff"), u"a\\xFF"_s);
        QCOMPARE(readableName("\xe3\x81"), u"\\xE3\\x81"_s);          // cut short
        QCOMPARE(readableName("\xc0\xaf"), u"\\xC0\\xAF"_s);          // an overlong "/"
        QCOMPARE(readableName("\xed\xa0\x80"), u"\\xED\\xA0\\x80"_s); // a surrogate
        QCOMPARE(readableName("a\\xFF"), u"a\\\\xFF"_s);              // not to be taken for the byte
        QCOMPARE(readableName("tab\there\x7f"), u"tab\\x09here\\x7F"_s);
    }

private:
    std::optional<QTemporaryDir> shared_;
};

QTEST_GUILESS_MAIN(ClassFolderLayoutTest)
#include "tst_class_folder_layout.moc"
