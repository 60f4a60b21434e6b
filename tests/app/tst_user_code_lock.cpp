// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/hostile_entries.h"
#include "fakes/progress_files.h"
#include "fakes/test_app.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace piyota;
using namespace piyota::testing;

namespace {

const QString kCodeInUse = QStringLiteral("このユーザーコードは、いま別のウィンドウ（または別のパソコン）で使われています。\n"
                                          "そちらを終了してから、もう一度ためしてください。");
const QString kSecondProgram = QStringLiteral("--second-program");

enum class MenuButton { StartAfresh = 1, Continue = 2 };

// Types `code` into the box of a start-menu button.
void chooseCode(TestApp &app, MenuButton button, const QString &code)
{
    app.dialogs.inputAnswers = {code};
    app.navigator.currentScreen()->findChild<QPushButton *>(QStringLiteral("Command%1").arg(int(button)))->click();
}

// Another run of this program, in a process of its own: it opens the start
// menu in `directory`, chooses `code` with a button, and says on its first
// line where it came: "problem <n>" (and works on the code until it is
// killed), or "menu <the message it showed>" (and ends).
int runSecondProgram(const QString &directory, MenuButton button, const QString &code)
{
    TestApp app(directory);
    app.navigator.show(ScreenId::StartMenu);
    chooseCode(app, button, code);
    if (app.navigator.currentId() == ScreenId::StartMenu) {
        const QString message = app.dialogs.asked.last().kind == QStringLiteral("inform") ? app.dialogs.asked.last().text
                                                                                        : QString();
        std::printf("menu %s\n", message.toUtf8().toPercentEncoding().constData());
        return 0;
    }
    std::printf("problem %d\n", int(app.course.problemNo));
    std::fflush(stdout);
    return QApplication::exec();
}

// Sets the time a file was last changed to `age` ago.
bool age(const QString &path, std::chrono::seconds age)
{
    const timespec then{QDateTime::currentSecsSinceEpoch() - age.count(), 0};
    const timespec times[2] = {then, then};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

} // namespace

Q_DECLARE_METATYPE(piyota::testing::HostileEntry)

// One program per user code: a second program that asks for a code in use
// is told so and writes nothing; the code is free again once the first
// program has ended, or been killed.
class UserCodeLockTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        app_.emplace();
        app_->navigator.show(ScreenId::StartMenu);
        QVERIFY(writeBytes(app_->filePath(QStringLiteral("kenta.ucd")), kentasFile()));
    }

    void cleanup()
    {
        for (QProcess *program : {&first_, &second_}) {
            program->kill();
            program->waitForFinished();
        }
    }

    void aSecondProgramOnACodeInUseIsToldAndWritesNothing()
    {
        startSecondProgram(first_, MenuButton::Continue, QStringLiteral("kenta"));
        QCOMPARE(firstLine(first_), QStringLiteral("problem 12"));

        for (const MenuButton button : {MenuButton::Continue, MenuButton::StartAfresh}) {
            chooseCode(*app_, button, QStringLiteral("kenta"));
            QCOMPARE(app_->navigator.currentId(), ScreenId::StartMenu);
            QCOMPARE(app_->dialogs.asked.last().kind, QStringLiteral("inform"));
            QCOMPARE(app_->dialogs.asked.last().text, kCodeInUse);
            QCOMPARE(app_->dialogs.asked.last().title, QStringLiteral("ぴよたの研修旅行2008"));
            QVERIFY(!app_->exitCode);
        }
        QCOMPARE(readBytes(app_->filePath(QStringLiteral("kenta.ucd"))), kentasFile());
        // The lock is no progress file, and a teacher copying them leaves it.
        QCOMPARE(app_->directory.entryList({QStringLiteral("*.ucd*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("kenta.ucd")});

        // Another code is free; and while this program holds it, a third
        // program on it is told so in turn.
        chooseCode(*app_, MenuButton::StartAfresh, QStringLiteral("aiko"));
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
        startSecondProgram(second_, MenuButton::Continue, QStringLiteral("aiko"));
        QCOMPARE(firstLine(second_), QStringLiteral("menu ") + kCodeInUse);
        QCOMPARE(readBytes(app_->filePath(QStringLiteral("aiko.ucd"))), progressFileAt(1, 0));
    }

    void theCodeOfAKilledProgramIsFree()
    {
        startSecondProgram(first_, MenuButton::StartAfresh, QStringLiteral("kenta"));
        QCOMPARE(firstLine(first_), QStringLiteral("problem 1"));
        QCOMPARE(readBytes(app_->filePath(QStringLiteral("kenta.ucd"))), progressFileAt(1, 0));
        QVERIFY(QFileInfo::exists(app_->filePath(QStringLiteral(".kenta.lock"))));
        first_.kill(); // SIGKILL: the lock file stays behind
        QVERIFY(first_.waitForFinished());
        QVERIFY(QFileInfo::exists(app_->filePath(QStringLiteral(".kenta.lock"))));

        chooseCode(*app_, MenuButton::Continue, QStringLiteral("kenta"));
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
        QCOMPARE(app_->course.problemNo, std::int16_t(1));
        QCOMPARE(app_->dialogs.asked.size(), 1); // the code box only
    }

    void theCodeOfAProgramThatEndedIsFree()
    {
        QTemporaryDir shared;
        const QString lockFile = shared.filePath(QStringLiteral(".kenta.lock"));
        QVERIFY(writeBytes(shared.filePath(QStringLiteral("kenta.ucd")), kentasFile()));
        {
            TestApp first(shared.path());
            first.navigator.show(ScreenId::StartMenu);
            chooseCode(first, MenuButton::Continue, QStringLiteral("kenta"));
            QCOMPARE(first.navigator.currentId(), ScreenId::Stage1Quiz);
            QVERIFY(QFileInfo::exists(lockFile));
        }
        QVERIFY(!QFileInfo::exists(lockFile));
        TestApp next(shared.path());
        next.navigator.show(ScreenId::StartMenu);
        chooseCode(next, MenuButton::Continue, QStringLiteral("kenta"));
        QCOMPARE(next.navigator.currentId(), ScreenId::Stage1Quiz);
    }

    // The lock of a program on another machine that shares the folder: in
    // use while it is renewed, free once it has not been for a while.
    void aLockOfAnotherMachineIsFreeOnlyWhenNotRenewed()
    {
        const QString lockFile = app_->filePath(QStringLiteral(".kenta.lock"));
        QVERIFY(writeBytes(lockFile, "4242\npiyota\nanother-machine\n"));
        QVERIFY(age(lockFile, std::chrono::seconds(70)));
        chooseCode(*app_, MenuButton::Continue, QStringLiteral("kenta"));
        QCOMPARE(app_->navigator.currentId(), ScreenId::StartMenu);
        QCOMPARE(app_->dialogs.asked.last().text, kCodeInUse);

        QVERIFY(age(lockFile, std::chrono::minutes(10)));
        chooseCode(*app_, MenuButton::Continue, QStringLiteral("kenta"));
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
        QCOMPARE(app_->course.problemNo, std::int16_t(12));

        // Now this program holds it, and renews it.
        QVERIFY(age(lockFile, std::chrono::minutes(10)));
        app_->codeLock.renew();
        QVERIFY(QFileInfo(lockFile).lastModified().secsTo(QDateTime::currentDateTime()) < 60);
    }

    // Whatever stands under the lock's name that is no lock file of this
    // account never locks the student out or hangs the program: the student
    // reaches the problem and saves, and the entry stays as it was, with
    // what a link points to.
    void anEntryThatIsNoLockFileNeverLocksOut_data()
    {
        QTest::addColumn<HostileEntry>("entry");
        for (const HostileEntry entry : kHostileEntries)
            QTest::newRow(nameOf(entry)) << entry;
    }

    void anEntryThatIsNoLockFileNeverLocksOut()
    {
        QFETCH(HostileEntry, entry);
        QTemporaryDir outside;
        const OutsideFile outsideFile{outside.filePath(QStringLiteral("notes.txt"))};
        QVERIFY(writeBytes(outsideFile.path, "another's notes\n"));
        const QString lockFile = app_->filePath(QStringLiteral(".kenta.lock"));
        if (!makeHostileEntry(entry, lockFile, outsideFile)) {
            if (entry == HostileEntry::Device)
                QSKIP("this system does not let the test make a device node");
            QFAIL("the entry could not be made");
        }
        const QFileInfo before(lockFile);

        goesOnAndSaves(*app_);
        QCOMPARE(linkTarget(lockFile), linkOf(entry, outsideFile));
        QCOMPARE(QFileInfo(lockFile).isDir(), before.isDir());
        QCOMPARE(QFileInfo(lockFile).isSymLink(), before.isSymLink());
        QCOMPARE(readBytes(outsideFile.path), QByteArray("another's notes\n"));
    }

    // A lock file that no live program of this account holds on this
    // machine never locks the student out: a 4 GiB sparse file, a crashed
    // program's lock with a .rmlock planted beside it (both taken over),
    // and a lock file of another account (never touched).
    void leftoverLockFilesNeverLockOut_data()
    {
        QTest::addColumn<QString>("leftover");
        for (const char *leftover : {"sparse file", "crashed program's lock and .rmlock", "another account's lock"})
            QTest::newRow(leftover) << QString::fromLatin1(leftover);
    }

    void leftoverLockFilesNeverLockOut()
    {
        QFETCH(QString, leftover);
        QTemporaryDir folder;
        QVERIFY(writeBytes(folder.filePath(QStringLiteral("kenta.ucd")), kentasFile()));
        const QString lockFile = folder.filePath(QStringLiteral(".kenta.lock"));
        const QString rmlock = lockFile + QStringLiteral(".rmlock");
        const QByteArray anotherMachinesLock = "4242\npiyota\nanother-pc\n\n";
        if (leftover == QLatin1String("sparse file")) {
            QFile sparse(lockFile);
            QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(4) << 30));
        } else if (leftover == QLatin1String("another account's lock")) {
            if (::geteuid() != 0)
                QSKIP("only root can make a file of another account");
            QVERIFY(writeBytes(lockFile, anotherMachinesLock));
            QVERIFY(::chown(QFile::encodeName(lockFile).constData(), 61401, 61401) == 0);
        } else {
            QVERIFY(writeBytes(lockFile, "999999\npiyota\n" + QSysInfo::machineHostName().toUtf8() + '\n'
                                             + QSysInfo::machineUniqueId() + '\n'));
            QVERIFY(makeFifo(rmlock));
        }

        {
            TestApp student(folder.path());
            student.navigator.show(ScreenId::StartMenu);
            goesOnAndSaves(student);
            if (leftover == QLatin1String("another account's lock")) {
                QCOMPARE(readBytes(lockFile), anotherMachinesLock);
                QCOMPARE(QFileInfo(lockFile).ownerId(), uint(61401));
                return;
            }
            // Taken over while the program runs, and gone once it has ended.
            const QList<QByteArray> lines = readBytes(lockFile).split('\n');
            QCOMPARE(lines.value(0), QByteArray::number(::getpid()));
            QCOMPARE(lines.value(2), QSysInfo::machineHostName().toUtf8());
            struct stat status {};
            QVERIFY(::stat(QFile::encodeName(lockFile).constData(), &status) == 0);
            QCOMPARE(status.st_mode & 07777, mode_t(0640));
        }
        QVERIFY(!QFileInfo::exists(lockFile));
        QCOMPARE(QFileInfo::exists(rmlock), leftover != QLatin1String("sparse file"));
    }

private:
    // The student continues the code kenta, whose file is kentasFile(): the
    // problem screen comes, and 終了 saves the course there.
    static void goesOnAndSaves(TestApp &student)
    {
        chooseCode(student, MenuButton::Continue, QStringLiteral("kenta"));
        QCOMPARE(student.navigator.currentId(), ScreenId::Stage1Quiz);
        QCOMPARE(student.course.problemNo, std::int16_t(12));
        QCOMPARE(student.dialogs.asked.size(), 1); // the code box only
        student.dialogs.yesNoAnswers = {true};
        student.navigator.currentScreen()->findChild<QPushButton *>(QStringLiteral("Command10"))->click();
        QCOMPARE(student.navigator.currentId(), ScreenId::History);
        // The problem in progress keeps the clock reading of its continue.
        QCOMPARE(readBytes(student.filePath(QStringLiteral("kenta.ucd"))), progressFileAt(12, 27000, "1,43200.25"));
    }

    static QByteArray kentasFile() { return progressFileAt(12, 27000, "1,1234.5"); }

    void startSecondProgram(QProcess &program, MenuButton button, const QString &code)
    {
        program.start(QApplication::applicationFilePath(),
                      {kSecondProgram, app_->directory.path(), QString::number(int(button)), code});
        QVERIFY(program.waitForStarted());
    }

    static QString firstLine(QProcess &program)
    {
        while (!program.canReadLine() && program.waitForReadyRead(30000)) {
        }
        const QByteArray line = program.readLine().trimmed();
        const qsizetype space = line.indexOf(' ');
        return QString::fromUtf8(line.left(space + 1) + QByteArray::fromPercentEncoding(line.mid(space + 1)));
    }

    std::optional<TestApp> app_; // this program
    QProcess first_;             // the other ones
    QProcess second_;
};

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 5 && arguments[1] == kSecondProgram)
        return runSecondProgram(arguments[2], MenuButton(arguments[3].toInt()), arguments[4]);
    UserCodeLockTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_user_code_lock.moc"
