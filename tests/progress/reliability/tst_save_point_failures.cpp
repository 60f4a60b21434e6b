// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "directory_fault.h"

#include "fakes/file_saves.h"
#include "fakes/hostile_entries.h"
#include "fakes/screen_snapshot.h"
#include "screens/quiz/quiz_driver.h"
#include "screens/roulette/roulette_driver.h"

#include <QTemporaryDir>
#include <QTest>

using namespace piyota;
using namespace piyota::testing;

namespace {

// The clicks that save the progress file before the student goes on.
enum class SavePoint { Help, Quit, NextAtEndOfGroup, NextAfterLastProblem, RouletteNext, RouletteNextAtTheEnd };

// What makes the save fail: the disk, or something else than a regular file
// put under the progress file's name.
struct Breakage {
    std::optional<DirectoryFault::Kind> disk;
    std::optional<HostileEntry> entry;
};

const QString kSaveFailed = QStringLiteral("学習の記録を保存できませんでした。\nもう一度ためしてください。");

// A progress file at `problemNo` whose line for `problem` reads `line`.
QByteArray fileWithLine(int problemNo, int score, int problem, const QByteArray &line)
{
    QList<QByteArray> lines = progressFileAt(problemNo, score).split('\n');
    lines[problem] = line + '\r';
    return lines.join('\n');
}

} // namespace

Q_DECLARE_METATYPE(piyota::ScreenId)
Q_DECLARE_METATYPE(Breakage)

// A save point whose file cannot be written changes nothing: the screen
// stays as it was before the click, with every value and control, and says
// so; the file stays as it was, and so does anything outside the working
// directory that a link under the file's name points to. Once the disk
// takes files again, or the name is cleared, the same click goes on as if
// nothing had happened.
class SavePointFailuresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failedSaveChangesNothingAndTheSameClickGoesOn_data()
    {
        QTest::addColumn<Breakage>("breakage");
        QTest::addColumn<SavePoint>("point");
        QTest::addColumn<ScreenId>("then");        // where the repeated click leads
        QTest::addColumn<int>("saves");            // how often it saves
        QTest::addColumn<QByteArray>("savedFile"); // and what
        std::vector<std::pair<QByteArray, Breakage>> breakages{
            {"read-only directory", {DirectoryFault::Kind::ReadOnly, {}}},
            {"full file system", {DirectoryFault::Kind::Full, {}}},
        };
        for (const HostileEntry entry : kHostileEntries)
            breakages.push_back({nameOf(entry), {{}, entry}});
        // Problem 7 was started at 1000.5 and answered wrong once; problems
        // 10 and 30 were answered right 49 whole seconds after their start,
        // and the roulette added 30000.
        for (const auto &[name, breakage] : breakages) {
            const char *cause = name.constData();
            QTest::addRow("%s, HELP", cause)
                << breakage << SavePoint::Help << ScreenId::Lecture << 1 << progressFileAt(7, 24000, "1,1000.5");
            QTest::addRow("%s, quit", cause)
                << breakage << SavePoint::Quit << ScreenId::History << 1 << progressFileAt(7, 24000, "1,1000.5");
            QTest::addRow("%s, next after problem 10", cause) << breakage << SavePoint::NextAtEndOfGroup
                                                               << ScreenId::Roulette << 1
                                                               << fileWithLine(11, 30000, 10, "0,49");
            QTest::addRow("%s, next after problem 30", cause) << breakage << SavePoint::NextAfterLastProblem
                                                               << ScreenId::Roulette << 1
                                                               << fileWithLine(30, 30000, 30, "0,49");
            QTest::addRow("%s, roulette's next after problem 10", cause)
                << breakage << SavePoint::RouletteNext << ScreenId::Stage1Quiz << 1
                << fileWithLine(11, 60000, 10, "0,49");
            QTest::addRow("%s, roulette's next after problem 30", cause)
                << breakage << SavePoint::RouletteNextAtTheEnd << ScreenId::History << 2
                << fileWithLine(30, 60000, 30, "0,49");
        }
    }

    void failedSaveChangesNothingAndTheSameClickGoesOn()
    {
        QFETCH(Breakage, breakage);
        QFETCH(SavePoint, point);
        QFETCH(ScreenId, then);
        QFETCH(int, saves);
        QFETCH(QByteArray, savedFile);
        TestApp app;
        QuizDriver quiz(app);
        RouletteDriver roulette(app);
        const QString progressFile = app.filePath(QStringLiteral("zq.ucd"));
        std::optional<DirectoryFault> fault;
        if (breakage.disk) {
            fault.emplace(app.workDir.path());
            if (const QString why = fault->whyUnavailable(*breakage.disk); !why.isEmpty())
                QSKIP(qPrintable(why));
            qInfo("made by %s", qPrintable(fault->method(*breakage.disk)));
        }
        QTemporaryDir elsewhere;
        const OutsideFile outside{elsewhere.filePath(QStringLiteral("notes.ucd"))};
        const QByteArray outsideBytes = progressFileAt(25, 90000);
        QVERIFY(writeBytes(outside.path, outsideBytes));

        app.clock.now = 1040.75f;
        switch (point) {
        case SavePoint::Help:
        case SavePoint::Quit:
            quiz.openAt(7, 27000, "0,1000.5");
            quiz.answerWrong();
            break;
        case SavePoint::NextAtEndOfGroup:
        case SavePoint::NextAfterLastProblem:
        case SavePoint::RouletteNext:
        case SavePoint::RouletteNextAtTheEnd: {
            const bool last = point == SavePoint::NextAfterLastProblem || point == SavePoint::RouletteNextAtTheEnd;
            quiz.openAt(last ? 30 : 10, 27000, "0,1000.5");
            quiz.answerRight();
            break;
        }
        }
        if (point == SavePoint::RouletteNext || point == SavePoint::RouletteNextAtTheEnd) {
            app.clock.now = 1050.25f; // the time counts until the click that saves
            quiz.next();
            QCOMPARE(app.navigator.currentId(), ScreenId::Roulette);
            roulette.spin(0.5f); // cell 12: +30000
        }

        auto click = [&] {
            switch (point) {
            case SavePoint::Help:
                return quiz.help();
            case SavePoint::Quit:
                app.dialogs.yesNoAnswers = {true};
                return quiz.quit();
            case SavePoint::NextAtEndOfGroup:
            case SavePoint::NextAfterLastProblem:
                return quiz.next();
            case SavePoint::RouletteNext:
            case SavePoint::RouletteNextAtTheEnd:
                return roulette.next();
            }
        };
        const QWidget *screen = app.navigator.currentScreen();
        const QStringList before = screenSnapshot(app);
        const QByteArray fileBefore = readBytes(progressFile);
        if (fault) {
            QVERIFY(fault->start(*breakage.disk));
        } else {
            QVERIFY(removeEntry(progressFile));
            if (!makeHostileEntry(*breakage.entry, progressFile, outside))
                QSKIP("this system does not let the test make a device node");
        }
        click();

        QCOMPARE(app.navigator.currentScreen(), screen);
        QCOMPARE(screenSnapshot(app), before);
        QCOMPARE(app.dialogs.asked.last().kind, QStringLiteral("inform"));
        QCOMPARE(app.dialogs.asked.last().text, kSaveFailed);
        QCOMPARE(app.dialogs.asked.last().title, QStringLiteral("ぴよたの研修旅行2008"));
        QVERIFY(!app.exitCode);
        if (breakage.entry) {
            QCOMPARE(linkTarget(progressFile), linkOf(*breakage.entry, outside));
            QVERIFY(!QFileInfo::exists(outside.missing()));
        } else {
            QCOMPARE(readBytes(progressFile), fileBefore);
        }
        QCOMPARE(readBytes(outside.path), outsideBytes);

        QVERIFY(fault ? fault->stop(*breakage.disk) : removeEntry(progressFile));
        app.clock.now = 1050.25f;
        FileSaves fileSaves(app.workDir.path(), QStringLiteral("zq.ucd"));
        click();
        QCOMPARE(app.navigator.currentId(), then);
        QCOMPARE(fileSaves.take(), saves);
        QVERIFY(QFileInfo(progressFile).isFile() && !QFileInfo(progressFile).isSymLink());
        QCOMPARE(readBytes(progressFile), savedFile);
        QCOMPARE(readBytes(outside.path), outsideBytes);
        QVERIFY(!app.exitCode);
    }
};

QTEST_MAIN(SavePointFailuresTest)
#include "tst_save_point_failures.moc"
