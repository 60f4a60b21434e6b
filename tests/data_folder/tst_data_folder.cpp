// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data_folder.h"
#include "data_folder_location.h"
#include "directory_fault.h"
#include "fakes/hostile_entries.h"
#include "fakes/progress_files.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace piyota;
using namespace piyota::testing;
using namespace Qt::StringLiterals;

namespace {

const QString kAppId = QStringLiteral("io.example.Quiz");
// Accounts and a group that no one on a test machine has.
constexpr uid_t kOtherAccount = 61401;
constexpr gid_t kTeachers = 61499;

QByteArray path8(const QString &path)
{
    return QFile::encodeName(path);
}

struct stat statusOf(const QString &path)
{
    struct stat status {};
    ::lstat(path8(path).constData(), &status);
    return status;
}

// Makes `path` belong to the other account (root only).
bool giveAway(const QString &path)
{
    return ::lchown(path8(path).constData(), kOtherAccount, kOtherAccount) == 0;
}

// A folder as the README has IT staff make it: every account may add
// entries, nobody may remove another's, new folders take its group.
bool makeSharedFolder(const QString &path, mode_t mode)
{
    return QDir().mkpath(path) && ::chown(path8(path).constData(), 0, kTeachers) == 0
        && ::chmod(path8(path).constData(), mode) == 0;
}

QStringList sorted(QStringList names)
{
    std::sort(names.begin(), names.end());
    return names;
}

QStringList entriesOf(const QString &folder)
{
    return sorted(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
}

} // namespace

Q_DECLARE_METATYPE(DataFolderLocation::Kind)

// Where the student's command works: the account's own folder, a school's
// folder worked in itself, or the account's own place inside a folder that
// other accounts may write in; the sounds copied there.
class DataFolderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        previous_ = QDir::currentPath();
        scratch_.emplace();
        QVERIFY(QDir(scratch_->path()).mkdir(QStringLiteral("sounds")));
        QVERIFY(writeBytes(sounds(QStringLiteral("pinpon.wav")), "RIFF pinpon"));
        QVERIFY(writeBytes(sounds(QStringLiteral("Canyon.mid")), "MThd canyon"));
    }

    void cleanup() { QDir::setCurrent(previous_); }

    void locatesTheFolder_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<DataFolderLocation::Kind>("kind");
        QTest::addColumn<QString>("path");
        using Kind = DataFolderLocation::Kind;
        QTest::newRow("home") << QStringList{u"HOME=/home/aiko"_s} << Kind::Own
                              << u"/home/aiko/.local/share/io.example.Quiz"_s;
        QTest::newRow("data home") << QStringList{u"HOME=/home/aiko"_s, u"XDG_DATA_HOME=/data/aiko"_s} << Kind::Own
                                   << u"/data/aiko/io.example.Quiz"_s;
        QTest::newRow("relative data home, ignored") << QStringList{u"HOME=/home/aiko"_s, u"XDG_DATA_HOME=data"_s}
                                                     << Kind::Own << u"/home/aiko/.local/share/io.example.Quiz"_s;
        QTest::newRow("no home") << QStringList{} << Kind::Own << u"$HOME/.local/share/io.example.Quiz"_s;
        QTest::newRow("school's, before the rest")
            << QStringList{u"HOME=/home/aiko"_s, u"XDG_DATA_HOME=/data/aiko"_s, u"PIYOTA_DATA_DIR=/mnt/school/piyota"_s}
            << Kind::School << u"/mnt/school/piyota"_s;
        QTest::newRow("school's, relative") << QStringList{u"PIYOTA_DATA_DIR=piyota"_s} << Kind::School << u"piyota"_s;
    }

    void locatesTheFolder()
    {
        QFETCH(QStringList, environment);
        QFETCH(DataFolderLocation::Kind, kind);
        QFETCH(QString, path);
        QProcessEnvironment variables;
        for (const QString &variable : environment)
            variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        const DataFolderLocation location = locateDataFolder(variables, kAppId);
        QCOMPARE(location.kind, kind);
        QCOMPARE(location.path, path);
    }

    // The account's own folder is made, private, with the sounds; on a later
    // start the student's files stay as they are.
    void makesTheOwnFolderAndKeepsWhatIsThere()
    {
        const QString home = scratch_->filePath(QStringLiteral("home"));
        const QString data = home + QStringLiteral("/.local/share/") + kAppId;
        QCOMPARE(workFolder(QStringLiteral("HOME=") + home), data);
        QCOMPARE(QDir::currentPath(), data);
        QCOMPARE(statusOf(data).st_mode & 07777, mode_t(0700));
        QCOMPARE(entriesOf(data), (QStringList{u"Canyon.mid"_s, u"pinpon.wav"_s}));
        QCOMPARE(readBytes(data + QStringLiteral("/Canyon.mid")), QByteArray("MThd canyon"));
        QCOMPARE(statusOf(data + QStringLiteral("/Canyon.mid")).st_mode & 07777, mode_t(0644));

        QVERIFY(writeBytes(data + QStringLiteral("/pinpon.wav"), "the student's own"));
        QVERIFY(writeBytes(data + QStringLiteral("/kenta.ucd"), progressFileAt(3, 6000)));
        QVERIFY(QFile::remove(data + QStringLiteral("/Canyon.mid")));
        QCOMPARE(workFolder(QStringLiteral("HOME=") + home), data);
        QCOMPARE(readBytes(data + QStringLiteral("/pinpon.wav")), QByteArray("the student's own"));
        QCOMPARE(readBytes(data + QStringLiteral("/kenta.ucd")), progressFileAt(3, 6000));
        QCOMPARE(readBytes(data + QStringLiteral("/Canyon.mid")), QByteArray("MThd canyon"));
    }

    // A school's folder that only this account may write in is worked in
    // itself; one that is missing is never made.
    void worksInAPrivateSchoolFolderAndNeverMakesOne()
    {
        const QString school = scratch_->filePath(QStringLiteral("school"));
        QVERIFY(QDir().mkdir(school));
        QVERIFY(::chmod(path8(school).constData(), 0755) == 0);
        QCOMPARE(workFolder(QStringLiteral("PIYOTA_DATA_DIR=") + school), school);
        QCOMPARE(entriesOf(school), (QStringList{u"Canyon.mid"_s, u"pinpon.wav"_s}));
        QVERIFY(QDir::setCurrent(previous_));

        const QString missing = scratch_->filePath(QStringLiteral("not-mounted/piyota"));
        const DataFolderProblem problem = problemOf(QStringLiteral("PIYOTA_DATA_DIR=") + missing);
        QCOMPARE(problem.kind, DataFolderProblem::Kind::NotFound);
        QCOMPARE(problem.path, missing);
        QCOMPARE(problem.error, ENOENT);
        QVERIFY(!QFileInfo::exists(scratch_->filePath(QStringLiteral("not-mounted"))));
        QCOMPARE(problemOf(QStringLiteral("PIYOTA_DATA_DIR=school")).kind, DataFolderProblem::Kind::NotFound);
        QCOMPARE(QDir::currentPath(), previous_);
    }

    void tellsAnOwnFolderThatCannotBeMade()
    {
        const QString home = scratch_->filePath(QStringLiteral("home"));
        QVERIFY(writeBytes(home, "a file where the home folder should be"));
        const DataFolderProblem problem = problemOf(QStringLiteral("HOME=") + home);
        QCOMPARE(problem.kind, DataFolderProblem::Kind::CannotMake);
        QCOMPARE(problem.path, home + QStringLiteral("/.local/share/") + kAppId);
        QCOMPARE(problemOf(QString()).kind, DataFolderProblem::Kind::CannotMake); // no HOME at all
        QCOMPARE(QDir::currentPath(), previous_);
    }

    // In a folder other accounts may write in, the account works in a
    // folder named by its login, which only it writes and the shared
    // folder's group reads; the same one on every start.
    void sharedFolderGivesTheAccountAFolderOfItsOwn_data()
    {
        QTest::addColumn<mode_t>("sharedMode");
        QTest::addColumn<mode_t>("ownMode");
        QTest::newRow("setgid, as the README makes it") << mode_t(03777) << mode_t(02750);
        QTest::newRow("sticky only") << mode_t(01777) << mode_t(0700);
        QTest::newRow("group-writable") << mode_t(0770) << mode_t(0700);
    }

    void sharedFolderGivesTheAccountAFolderOfItsOwn()
    {
        QFETCH(mode_t, sharedMode);
        QFETCH(mode_t, ownMode);
        requireRoot();
        const QString shared = sharedFolder(sharedMode);
        const QString own = shared + QLatin1Char('/') + login();
        // The folder's mode is exact whatever the umask.
        const mode_t previousMask = ::umask(077);
        const QString entered = workFolder(QStringLiteral("PIYOTA_DATA_DIR=") + shared);
        ::umask(previousMask);
        QCOMPARE(entered, own);
        QCOMPARE(workFolder(QStringLiteral("PIYOTA_DATA_DIR=") + shared), own);
        QCOMPARE(entriesOf(shared), QStringList{login()});
        QCOMPARE(statusOf(own).st_mode & 07777, ownMode);
        QCOMPARE(statusOf(own).st_uid, ::geteuid());
        QCOMPARE(statusOf(own).st_gid, (sharedMode & S_ISGID) != 0 ? kTeachers : ::getegid());
        QCOMPARE(entriesOf(own), (QStringList{u"Canyon.mid"_s, u"pinpon.wav"_s}));
    }

    // Whatever another account (or anything else) put under the login's
    // name, the account gets a folder of its own all the same, under a name
    // of its own, and finds it again; what stood there stays as it was.
    void aTakenNameLeadsToAnotherFolderOfItsOwn_data()
    {
        QTest::addColumn<QString>("squatter");
        for (const char *squatter : {"another account's folder", "another account's file", "link to an own folder",
                                     "own folder others may write in", "FIFO"})
            QTest::newRow(squatter) << QString::fromLatin1(squatter);
    }

    void aTakenNameLeadsToAnotherFolderOfItsOwn()
    {
        QFETCH(QString, squatter);
        requireRoot();
        const QString shared = sharedFolder(03777);
        const QString taken = shared + QLatin1Char('/') + login();
        const QString elsewhere = scratch_->filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkdir(elsewhere));
        QVERIFY(makeSquatter(squatter, taken, elsewhere));
        // Folders of that name's pattern that are not the account's own.
        const QString othersFallback = taken + QStringLiteral(".AAAAAA");
        const QString linkedFallback = taken + QStringLiteral(".AAAAAB");
        QVERIFY(QDir().mkdir(othersFallback) && giveAway(othersFallback));
        QVERIFY(makeLink(linkedFallback, elsewhere));
        const struct stat before = statusOf(taken);

        const QString own = workFolder(QStringLiteral("PIYOTA_DATA_DIR=") + shared);
        QVERIFY2(QFileInfo(own).fileName().startsWith(login() + QLatin1Char('.')), qPrintable(own));
        QCOMPARE(QFileInfo(own).fileName().size(), login().size() + 7);
        QVERIFY(own != othersFallback && own != linkedFallback);
        QCOMPARE(statusOf(own).st_uid, ::geteuid());
        QCOMPARE(statusOf(own).st_mode & 07777, mode_t(02750));
        QCOMPARE(workFolder(QStringLiteral("PIYOTA_DATA_DIR=") + shared), own);
        QCOMPARE(entriesOf(shared), sorted({login(), QFileInfo(othersFallback).fileName(),
                                            QFileInfo(linkedFallback).fileName(), QFileInfo(own).fileName()}));
        const struct stat after = statusOf(taken);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_uid, before.st_uid);
        QVERIFY(entriesOf(elsewhere).isEmpty());
        QVERIFY(entriesOf(othersFallback).isEmpty());
    }

    // Progress files that earlier versions kept at the top of the shared
    // folder: the account's own move into its folder; those of others, links
    // and codes the own folder holds already stay where they are.
    void takesOverTheAccountsEarlierProgress()
    {
        requireRoot();
        const QString shared = sharedFolder(03777);
        const QString own = shared + QLatin1Char('/') + login();
        const QString outside = scratch_->filePath(QStringLiteral("outside.ucd"));
        QVERIFY(QDir().mkdir(own) && ::chmod(path8(own).constData(), 02750) == 0);
        QVERIFY(writeBytes(outside, progressFileAt(30, 90000)));
        QVERIFY(writeBytes(shared + QStringLiteral("/kenta.ucd"), progressFileAt(12, 27000)));
        QVERIFY(writeBytes(shared + QStringLiteral("/aiko.ucd"), progressFileAt(20, 3000)));
        QVERIFY(giveAway(shared + QStringLiteral("/aiko.ucd")));
        QVERIFY(makeLink(shared + QStringLiteral("/taro.ucd"), outside));
        QVERIFY(writeBytes(shared + QStringLiteral("/mika.ucd"), progressFileAt(2, 0)));
        QVERIFY(writeBytes(own + QStringLiteral("/mika.ucd"), progressFileAt(9, 15000)));
        QVERIFY(writeBytes(shared + QStringLiteral("/notes.txt"), "kept"));

        QCOMPARE(workFolder(QStringLiteral("PIYOTA_DATA_DIR=") + shared), own);
        QCOMPARE(readBytes(own + QStringLiteral("/kenta.ucd")), progressFileAt(12, 27000));
        QCOMPARE(readBytes(own + QStringLiteral("/mika.ucd")), progressFileAt(9, 15000));
        QCOMPARE(entriesOf(own), (QStringList{u"Canyon.mid"_s, u"kenta.ucd"_s, u"mika.ucd"_s, u"pinpon.wav"_s}));
        QCOMPARE(entriesOf(shared), sorted({u"aiko.ucd"_s, login(), u"mika.ucd"_s, u"notes.txt"_s, u"taro.ucd"_s}));
        QCOMPARE(readBytes(shared + QStringLiteral("/aiko.ucd")), progressFileAt(20, 3000));
        QCOMPARE(readBytes(shared + QStringLiteral("/mika.ucd")), progressFileAt(2, 0));
        QCOMPARE(linkTarget(shared + QStringLiteral("/taro.ucd")), outside);
        QCOMPARE(readBytes(outside), progressFileAt(30, 90000));
    }

    // Entries under a sound's name are never replaced: the sound is then
    // missing, and the program silent. Copies an interrupted start left go.
    void soundsNeverReplaceAnEntry()
    {
        const QString data = scratch_->filePath(QStringLiteral("data"));
        const QString elsewhere = scratch_->filePath(QStringLiteral("elsewhere.wav"));
        QVERIFY(QDir().mkdir(data));
        QVERIFY(makeFifo(data + QStringLiteral("/pinpon.wav")));
        QVERIFY(makeLink(data + QStringLiteral("/Canyon.mid"), elsewhere));
        QVERIFY(writeBytes(data + QStringLiteral("/Canyon.mid.Xy12Zz"), "MThd can"));
        QVERIFY(writeBytes(data + QStringLiteral("/Canyon.mid.bak"), "kept"));
        QCOMPARE(workFolder(QStringLiteral("PIYOTA_DATA_DIR=") + data), data);
        QVERIFY(S_ISFIFO(statusOf(data + QStringLiteral("/pinpon.wav")).st_mode));
        QCOMPARE(linkTarget(data + QStringLiteral("/Canyon.mid")), elsewhere);
        QVERIFY(!QFileInfo::exists(elsewhere));
        QCOMPARE(entriesOf(data), (QStringList{u"Canyon.mid"_s, u"Canyon.mid.bak"_s, u"pinpon.wav"_s}));
    }

    // A disk too full for the sounds: the program starts all the same,
    // without them and without a partial copy.
    void aFullDiskLeavesNoPartialSound()
    {
        const QString data = scratch_->filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkdir(data));
        QVERIFY(writeBytes(sounds(QStringLiteral("Chimes.wav")), QByteArray(64 * 1024, 'x')));
        DirectoryFault fault(data);
        QVERIFY(fault.start(DirectoryFault::Kind::Full));
        qInfo("made by %s", qPrintable(fault.method(DirectoryFault::Kind::Full)));
        QCOMPARE(workFolder(QStringLiteral("PIYOTA_DATA_DIR=") + data), data);
        QStringList left = entriesOf(data);
        left.removeAll(QStringLiteral("filler"));
        QCOMPARE(left, QStringList());
        QDir::setCurrent(previous_);
    }

private:
    QString sounds(const QString &name) const { return scratch_->filePath(QStringLiteral("sounds/") + name); }

    static QString login() { return QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name); }

    static void requireRoot()
    {
        if (::geteuid() != 0)
            QSKIP("only root can make entries of another account and a group of its choice");
    }

    QString sharedFolder(mode_t mode)
    {
        const QString shared = scratch_->filePath(QStringLiteral("shared"));
        if (!makeSharedFolder(shared, mode))
            qFatal("cannot make the shared folder %s (root makes it)", qPrintable(shared));
        return shared;
    }

    static bool makeSquatter(const QString &kind, const QString &path, const QString &elsewhere)
    {
        if (kind == QLatin1String("another account's folder"))
            return QDir().mkdir(path) && giveAway(path);
        if (kind == QLatin1String("another account's file"))
            return writeBytes(path, "mine") && giveAway(path);
        if (kind == QLatin1String("link to an own folder"))
            return makeLink(path, elsewhere);
        if (kind == QLatin1String("own folder others may write in"))
            return QDir().mkdir(path) && ::chmod(path8(path).constData(), 0777) == 0;
        return makeFifo(path);
    }

    std::variant<QDir, DataFolderProblem> enter(const QString &variable) const
    {
        QProcessEnvironment environment;
        if (!variable.isEmpty())
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        return enterDataFolder(environment, kAppId, QDir(scratch_->filePath(QStringLiteral("sounds"))));
    }

    QString workFolder(const QString &variable) const
    {
        const auto entered = enter(variable);
        const auto *folder = std::get_if<QDir>(&entered);
        return folder ? folder->path() : QStringLiteral("problem with ") + std::get<DataFolderProblem>(entered).path;
    }

    DataFolderProblem problemOf(const QString &variable) const
    {
        const auto entered = enter(variable);
        const auto *problem = std::get_if<DataFolderProblem>(&entered);
        return problem ? *problem : DataFolderProblem{DataFolderProblem::Kind::NotFound, QStringLiteral("(entered)"), -1};
    }

    QString previous_;
    std::optional<QTemporaryDir> scratch_;
};

QTEST_GUILESS_MAIN(DataFolderTest)
#include "tst_data_folder.moc"
