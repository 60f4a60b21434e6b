// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/fake_platform.h"
#include "fakes/file_saves.h"
#include "fakes/progress_files.h"

#include "content/reader/transcription.h"
#include "course_session.h"
#include "lectures/lecture.h"
#include "progress_file.h"
#include "user_code_lock.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cmath>

using namespace piyota;
using namespace piyota::testing;

Q_DECLARE_METATYPE(piyota::ScreenId)

namespace {

const QString kFile = QStringLiteral("zq.ucd");
const QByteArray kBlankRecord = QByteArray("1,0\r\n") + QByteArray("0,0\r\n").repeated(30);

// The course's rules over a fresh working directory, a fake clock and fake
// random numbers; no screen.
struct Session {
    Session() { course.userCode = QStringLiteral("zq"); }

    QByteArray file() const { return readBytes(directory.filePath(kFile)); }
    // The file's line of problem i (its first line for 0), without the CR.
    QByteArray line(int i) const { return file().split('\n').value(i).chopped(1); }
    void writeFile(const QByteArray &bytes) const { QVERIFY(writeBytes(directory.filePath(kFile), bytes)); }
    // A directory in place of the file: every save fails.
    void breakSaves()
    {
        directory.remove(kFile);
        QVERIFY(directory.mkdir(kFile));
    }
    // The next layout draw gives layout k (1..3).
    void drawLayout(int k) { random.values.push_back((static_cast<float>(k) - 0.5f) / 3); }
    // Opens the quiz screen of the stage of a file at `problemNo`, in layout k.
    QuizEntry openAt(int problemNo, int layout, int score = 0, const QByteArray &currentLine = "0,0")
    {
        writeFile(progressFileAt(problemNo, score, currentLine));
        drawLayout(layout);
        return session.enterQuiz(problemNo <= 15 ? Stage::First : Stage::Second);
    }
    int key() const { return transcription::correctButton(course.problemNo, course.layoutNo); }
    int wrongButton() const { return key() % 7 + 1; }

    QTemporaryDir workDir;
    QDir directory{workDir.path()};
    CourseState course;
    ProgressFile progress{directory};
    UserCodeLock codeLock{directory};
    FakeClock clock;
    FakeRandom random;
    CourseSession session{course, progress, codeLock, clock, random};
};

// The roulette's 15 degrees of a cell, with the course's own pi.
constexpr double kCell = 3.141592 / 12;

// What the roulette pays for a ball at rest in each cell, from east
// counter-clockwise: a sector of three cells around east pays 10000, the
// next ones 0, 5000, -10000, 30000, 0, 8000 and 0.
constexpr std::array<int, 24> kCellPayouts{10000, 10000, 10000, 0,     0,     0,     5000, 5000, 5000, -10000, -10000, -10000,
                                           30000, 30000, 30000, 0,     0,     0,     8000, 8000, 8000, 0,      0,      0};

// Start, `freeTicks` ticks of the free spin, Stop drawing `stopDraw`, and the
// run-out up to the rest; the ticks the run-out took.
int spin(CourseSession &session, FakeRandom &random, float stopDraw, int freeTicks = 0)
{
    session.startSpin();
    for (int tick = 0; tick < freeTicks; ++tick)
        session.spinTick();
    random.values = {stopDraw};
    session.stopSpin();
    int ticks = 1;
    while (session.runOutTick() == RunOut::Running && ticks < 100)
        ++ticks;
    return ticks;
}

// The cell a ball lies at, counted from east.
int cellOf(double ballAngle)
{
    return static_cast<int>(std::lround(ballAngle / kCell)) % 24;
}

} // namespace

class CourseSessionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answersScoreOnceAndCountMisses()
    {
        Session s;
        s.openAt(3, 2, 6000);
        QCOMPARE(s.session.answer(s.wrongButton()), Verdict::Wrong);
        QCOMPARE(s.course.score, 3000.0);
        QCOMPARE(s.course.missCount[3], 1);
        QCOMPARE(s.session.answer(s.key()), Verdict::Correct);
        QVERIFY(s.course.solvedFlag);
        QCOMPARE(s.course.score, 6000.0);
        QCOMPARE(s.session.answer(s.key()), Verdict::NotJudged); // never twice
        QCOMPARE(s.course.score, 6000.0);
        // その他 is never the answer; a wrong click on a solved problem counts.
        QCOMPARE(s.session.answer(8), Verdict::Wrong);
        QVERIFY(!s.course.solvedFlag);
        QCOMPARE(s.course.missCount, (PerProblem<int>{0, 1, 1, 2}));
        QCOMPARE(s.course.score, 3000.0);
        QCOMPARE(s.line(0), QByteArray("3,6000")); // answers save nothing

        for (auto [p, k] : {std::pair{0, 1}, {31, 1}, {5, 0}, {5, 4}}) { // no key: nothing judged
            s.course.problemNo = static_cast<std::int16_t>(p);
            s.course.layoutNo = static_cast<std::int16_t>(k);
            QCOMPARE(s.session.answer(1), Verdict::NotJudged);
        }
        QCOMPARE(s.course.score, 3000.0);
    }

    void missesStopAtTheLargestTheFileTakesBack()
    {
        Session s;
        s.openAt(4, 1);
        s.course.missCount[4] = 32766;
        s.session.answer(s.wrongButton());
        s.session.answer(s.wrongButton());
        QCOMPARE(s.course.missCount[4], 32767);
        // The file keeps it, and the way back from the lecture reads it.
        QCOMPARE(s.session.help(), HelpStep{Saved{ScreenId::Lecture}});
        QCOMPARE(s.line(4), QByteArray("32767,0"));
        QCOMPARE(s.session.enterQuiz(Stage::First), (QuizEntry{ProblemToPresent{4, true}}));
        QCOMPARE(s.course.missCount[4], 32767);
    }

    void layoutDrawSplitsIntoThirds_data()
    {
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("layout");
        QTest::newRow("0") << 0.0f << 1;
        QTest::newRow("below a third") << 0.3333f << 1;
        QTest::newRow("above a third") << 0.3334f << 2;
        QTest::newRow("below two thirds") << 0.6666f << 2;
        QTest::newRow("above two thirds") << 0.6667f << 3;
        QTest::newRow("below 1") << 0.9999f << 3;
    }
    void layoutDrawSplitsIntoThirds()
    {
        QFETCH(float, draw);
        QFETCH(int, layout);
        Session s;
        s.writeFile(progressFileAt(11, 0));
        s.random.values = {draw};
        s.session.enterQuiz(Stage::First);
        QCOMPARE(int(s.course.layoutNo), layout);
    }

    void openingTheQuizLoadsDrawsOnceAndTimesGroupStarts()
    {
        Session s;
        s.clock.now = 5000.5f;
        QCOMPARE(s.openAt(6, 3, 9000, "0,0"), (QuizEntry{ProblemToPresent{6, true}}));
        QCOMPARE(s.random.seeds, QList<float>{5000.5f}); // seeded from the clock
        QCOMPARE(int(s.course.layoutNo), 3);
        QCOMPARE(s.course.score, 9000.0);
        QCOMPARE(s.course.answerSeconds[6], 5000.5f); // a group starts: timed from now
        // Back from the lecture: the same layout, the time of the first opening.
        s.clock.now = 5100;
        s.session.enterQuiz(Stage::First);
        QCOMPARE(s.random.seeds.size(), 1);
        QCOMPARE(int(s.course.layoutNo), 3);
        QCOMPARE(s.course.answerSeconds[6], 0.0f); // as the file holds it, not taken again
        // Within a group the time is 次へ's, unless the run continued.
        s.openAt(7, 1, 0, "0,4000.5");
        QCOMPARE(s.course.answerSeconds[7], 4000.5f);
        s.course.resumed = true;
        s.openAt(8, 1, 0, "0,4000.5");
        QCOMPARE(s.course.answerSeconds[8], 5100.0f);
    }

    void eachQuizScreenPresentsOnlyItsStage()
    {
        Session s;
        s.writeFile(progressFileAt(16, 0));
        QCOMPARE(s.session.enterQuiz(Stage::First), QuizEntry{OtherStage{}});
        QVERIFY(s.random.seeds.isEmpty());
        QCOMPARE(s.session.enterQuiz(Stage::Second), (QuizEntry{ProblemToPresent{16, true}}));
        s.course.solvedFlag = true;
        QCOMPARE(s.session.next(Stage::First), QuizStep{OtherStage{}});
        QCOMPARE(int(s.course.problemNo), 16);
        s.writeFile(progressFileAt(15, 0));
        QCOMPARE(s.session.enterQuiz(Stage::Second), QuizEntry{OtherStage{}});
        QCOMPARE(s.session.enterQuiz(Stage::First), (QuizEntry{ProblemToPresent{15, true}}));
        QVERIFY(!s.course.solvedFlag);
        // The first problem of the course meets an empty screen, as it is.
        s.writeFile(progressFileAt(1, 0));
        s.course.solvedFlag = true;
        QCOMPARE(s.session.enterQuiz(Stage::First), (QuizEntry{ProblemToPresent{1, false}}));
        QVERIFY(s.course.solvedFlag);
    }

    void unreadableFileEndsTheProgram()
    {
        Session s;
        s.course.problemNo = 4;
        QVERIFY(std::holds_alternative<EndAfterFailure>(s.session.enterQuiz(Stage::First)));
        QCOMPARE(int(s.course.problemNo), 4);
    }

    void nextWithinAGroupTimesTheProblemsAndSavesNothing()
    {
        Session s;
        s.clock.now = 86390.5f;
        s.openAt(4, 1, 0, "0,86380.25");
        QCOMPARE(s.session.next(Stage::First), QuizStep{Refused{}}); // not solved
        s.session.answer(s.key());
        s.clock.now = 20.75f; // past midnight
        s.drawLayout(3);
        QCOMPARE(s.session.next(Stage::First), QuizStep{NextProblem{5}});
        QCOMPARE(s.course.answerSeconds[4], 40.0f); // 86380.25 to 20.75 the next day
        QCOMPARE(s.course.answerSeconds[5], 20.75f);
        QVERIFY(s.course.layoutDrawn[5]);
        QCOMPARE(int(s.course.layoutNo), 3);
        QVERIFY(!s.course.solvedFlag);
        QCOMPARE(s.file(), progressFileAt(4, 0, "0,86380.25"));
    }

    void nextAtTheEndOfAGroupSavesTheNextProblem_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("saved");
        QTest::newRow("5") << 5 << 6;
        QTest::newRow("15") << 15 << 16;
        QTest::newRow("30") << 30 << 30;
    }
    void nextAtTheEndOfAGroupSavesTheNextProblem()
    {
        QFETCH(int, problem);
        QFETCH(int, saved);
        Session s;
        s.clock.now = 1000;
        s.openAt(problem, 2, 0, "0,900.5");
        s.session.answer(s.key());
        QCOMPARE(s.session.next(problem <= 15 ? Stage::First : Stage::Second), QuizStep{Saved{ScreenId::Roulette}});
        QCOMPARE(s.line(0), QByteArray::number(saved) + ",3000");
        QCOMPARE(s.line(problem), QByteArray("0,99"));
        QCOMPARE(s.line(saved), problem < 30 ? QByteArray("0,0") : QByteArray("0,99")); // timed when it opens
    }

    void failedSavePointsChangeNothing()
    {
        Session s;
        s.openAt(5, 1, 0, "0,900.5");
        s.session.answer(s.key());
        s.breakSaves();
        const CourseState before = s.course;
        QCOMPARE(s.session.next(Stage::First), QuizStep{SaveFailed{}});
        QCOMPARE(s.session.quit(), Outcome{SaveFailed{}});
        QCOMPARE(s.session.rouletteNext(), Outcome{SaveFailed{}});
        s.course.solvedFlag = false;
        QCOMPARE(s.session.help(), HelpStep{SaveFailed{}});
        QCOMPARE(int(s.course.problemNo), int(before.problemNo));
        QCOMPARE(s.course.answerSeconds, before.answerSeconds);
        QCOMPARE(s.course.score, before.score);
    }

    void helpSavesAndOpensTheLectureUnlessSolved()
    {
        Session s;
        s.openAt(9, 1, 3000, "0,700.5");
        s.session.answer(s.wrongButton());
        QCOMPARE(s.session.help(), HelpStep{Saved{ScreenId::Lecture}});
        QCOMPARE(s.line(0), QByteArray("9,0"));
        QCOMPARE(s.line(9), QByteArray("1,700.5"));
        s.session.answer(s.key());
        QCOMPARE(s.session.help(), HelpStep{Refused{}});
    }

    void startingAfreshWritesABlankRecord()
    {
        Session s;
        s.writeFile(progressFileAt(20, 9000));
        QCOMPARE(s.session.startAfresh(QString()), StartOutcome{ShowScreen{ScreenId::Stage1Quiz}});
        QCOMPARE(s.course.userCode, QStringLiteral("zq"));
        QCOMPARE(s.file(), kBlankRecord);
        QVERIFY(!s.course.resumed);
    }

    void continuingLoadsTimesAndOpensTheStage_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<ScreenId>("quiz");
        QTest::newRow("15") << 15 << ScreenId::Stage1Quiz;
        QTest::newRow("16") << 16 << ScreenId::Stage2Quiz;
        QTest::newRow("30") << 30 << ScreenId::Stage2Quiz;
    }
    void continuingLoadsTimesAndOpensTheStage()
    {
        QFETCH(int, problem);
        QFETCH(ScreenId, quiz);
        Session s;
        const QString mika = s.directory.filePath(QStringLiteral("mika.ucd"));
        QVERIFY(writeBytes(mika, progressFileAt(problem, 4000, "2,300.5")));
        s.clock.now = 777.25f;
        QCOMPARE(s.session.continueCourse(QStringLiteral("mika")), StartOutcome{ShowScreen{quiz}});
        QVERIFY(s.course.resumed);
        QCOMPARE(s.course.score, 4000.0);
        QCOMPARE(s.course.missCount[problem], 2);
        QCOMPARE(s.course.missCount[1], 1);
        QCOMPARE(s.course.answerSeconds[problem], 777.25f);
        QCOMPARE(readBytes(mika), progressFileAt(problem, 4000, "2,300.5")); // nothing written
    }

    void continuingWithoutACodeStartsAfreshUnderTheDefault()
    {
        Session s;
        s.writeFile(progressFileAt(20, 9000));
        QCOMPARE(s.session.continueCourse(QString()), StartOutcome{ShowScreen{ScreenId::Stage1Quiz}});
        QVERIFY(s.course.resumed);
        QCOMPARE(s.file(), kBlankRecord);
    }

    void startFailuresEndTheProgramAndACodeInUseChangesNothing()
    {
        Session s;
        const auto ends = [](const StartOutcome &outcome) {
            return std::holds_alternative<Route>(outcome)
                   && std::holds_alternative<EndAfterFailure>(std::get<Route>(outcome));
        };
        QVERIFY(ends(s.session.continueCourse(QStringLiteral("nobody"))));
        s.breakSaves();
        QVERIFY(ends(s.session.startAfresh(QString())));
        Session fresh;
        UserCodeLock otherProgram(fresh.directory);
        QCOMPARE(otherProgram.take(QStringLiteral("mika")), UserCodeLock::Result::Held);
        QCOMPARE(fresh.session.startAfresh(QStringLiteral("mika")), StartOutcome{CodeInUse{}});
        QVERIFY(!QFile::exists(fresh.directory.filePath(QStringLiteral("mika.ucd"))));
        QCOMPARE(fresh.session.continueCourse(QStringLiteral("mika")), StartOutcome{CodeInUse{}});
        QCOMPARE(fresh.course.userCode, QStringLiteral("zq"));
    }

    // The ball from east: one turn, then the cells of the second turn up to
    // the stop the draw gives; one tick more finds it at rest.
    void rouletteRunsToTheDrawnStopAndPaysItsSectorOnce_data()
    {
        QTest::addColumn<float>("stopDraw");
        QTest::addColumn<int>("cell"); // where it rests, counted from east after one turn
        QTest::newRow("0: east") << 0.0f << 0;
        QTest::newRow("10/24: cell 10") << 10.0f / 24 << 10;
        QTest::newRow("0.5: west") << 0.5f << 12;
        QTest::newRow("a hair above 0.5: west still") << 0.5001f << 12;
        QTest::newRow("more than a hair above: the next cell") << 0.5002f << 13;
        QTest::newRow("just below 1: east again") << 0.9999f << 24;
    }
    void rouletteRunsToTheDrawnStopAndPaysItsSectorOnce()
    {
        QFETCH(float, stopDraw);
        QFETCH(int, cell);
        const int payout = kCellPayouts[std::size_t(cell % 24)];
        Session s;
        s.course.score = 1000;
        s.clock.now = 321.5f;
        QCOMPARE(s.session.ballAngle(), 0.0);
        QCOMPARE(spin(s.session, s.random, stopDraw), 24 + cell + 1);
        QCOMPARE(s.random.seeds, QList<float>{321.5f}); // Stop seeds from the clock
        QVERIFY(std::abs(s.session.ballAngle() - (24 + cell) * kCell) < 1e-9);
        QCOMPARE(s.course.score, 1000.0 + payout);
        // At rest it stays, and pays nothing more; a second Start waits for the next visit.
        QCOMPARE(s.session.runOutTick(), RunOut::AtRest);
        s.session.startSpin();
        s.session.spinTick();
        QVERIFY(std::abs(s.session.ballAngle() - (24 + cell) * kCell) < 1e-9);
        QCOMPARE(s.course.score, 1000.0 + payout);
    }

    void theFreeSpinGoesRoundAndStopDoesNotDependOnIt()
    {
        Session s;
        s.session.spinTick(); // not started: the ball waits at east
        QCOMPARE(s.session.ballAngle(), 0.0);
        s.session.startSpin();
        for (int tick = 1; tick <= 23; ++tick) {
            s.session.spinTick();
            QVERIFY(std::abs(s.session.ballAngle() - tick * kCell) < 1e-9);
        }
        s.session.spinTick(); // past the last cell: east again
        QCOMPARE(s.session.ballAngle(), 0.0);
        // From any cell of the free spin, the same draw stops at the same cell.
        for (int freeTicks : {1, 9, 23}) {
            Session other;
            QCOMPARE(spin(other.session, other.random, 0.5f, freeTicks), 24 + 12 - freeTicks + 1);
            QCOMPARE(other.course.score, 30000.0);
        }
    }

    void everyCellIsEquallyLikelyAndPaysItsSector()
    {
        Session s;
        std::array<int, 24> rests{};
        for (int i = 0; i < 2400; ++i) {
            CourseSession visit(s.course, s.progress, s.codeLock, s.clock, s.random);
            const double before = s.course.score;
            spin(visit, s.random, static_cast<float>(i) / 2400);
            const int cell = cellOf(visit.ballAngle());
            QCOMPARE(s.course.score - before, double(kCellPayouts[std::size_t(cell)]));
            ++rests[std::size_t(cell)];
        }
        std::array<int, 24> hundreds;
        hundreds.fill(100);
        QCOMPARE(rests, hundreds);
    }

    void rouletteNextSavesAndLeadsOn_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("saves");
        QTest::addColumn<ScreenId>("next");
        QTest::newRow("after 10") << 11 << 1 << ScreenId::Stage1Quiz;
        QTest::newRow("after 15") << 16 << 1 << ScreenId::Stage2Quiz;
        QTest::newRow("after 25") << 26 << 1 << ScreenId::Stage2Quiz;
        QTest::newRow("after 30: saved once more for the board") << 30 << 2 << ScreenId::History;
    }
    void rouletteNextSavesAndLeadsOn()
    {
        QFETCH(int, problem);
        QFETCH(int, saves);
        QFETCH(ScreenId, next);
        Session s;
        s.writeFile(progressFileAt(problem, 1000));
        FileSaves fileSaves(s.directory.path(), kFile);
        QVERIFY(s.progress.loadProgress(s.course));
        spin(s.session, s.random, 10.0f / 24);
        QCOMPARE(s.session.rouletteNext(), Outcome{Saved{next}});
        QCOMPARE(fileSaves.take(), saves);
        QCOMPARE(s.line(0), QByteArray::number(problem) + ",-9000");
        // The next visit finds the ball at east, for a spin of its own.
        QCOMPARE(s.session.ballAngle(), 0.0);
        spin(s.session, s.random, 0.5f);
        QCOMPARE(s.course.score, 21000.0);
    }

    void lecturePagesRunInOrderBackToTheQuiz()
    {
        Session s;
        s.course.problemNo = 11; // lecture 3, on problems 11 to 15
        const int pages = transcription::course().lecture(3)->pageCount;
        QCOMPARE(s.session.lecture()->number, 3);
        for (int round = 0; round < 2; ++round) { // after the way back it starts again
            for (int page = 0; page < pages; ++page)
                QCOMPARE(s.session.nextLecturePage(), LectureStep{LecturePage{std::size_t(page)}});
            QCOMPARE(s.session.nextLecturePage(), LectureStep{Route{ShowScreen{ScreenId::Stage1Quiz}}});
        }
        s.course.problemNo = 0; // no lecture
        QCOMPARE(s.session.nextLecturePage(), LectureStep{NoLecture{}});
    }

    void exitGoesBackAtOnceAndTheLectureStartsAgain()
    {
        Session s;
        s.course.problemNo = 16;
        s.session.nextLecturePage();
        s.session.nextLecturePage();
        QCOMPARE(s.session.exitLecture(), Route{ShowScreen{ScreenId::Stage2Quiz}});
        QCOMPARE(s.session.nextLecturePage(), LectureStep{LecturePage{0}});
    }

    void boardAfterAQuitTimesTheProblemInProgressSoFar()
    {
        Session s;
        s.openAt(13, 1, 0, "2,86390.5");
        QCOMPARE(s.session.quit(), Outcome{Saved{ScreenId::History}});
        s.clock.now = 9.25f; // across midnight
        QCOMPARE(s.session.boardRow(12).misses, std::optional(1));
        QCOMPARE(s.session.boardRow(12).seconds, std::optional(30.0f));
        QCOMPARE(s.session.boardRow(13).misses, std::optional(2));
        QCOMPARE(s.session.boardRow(13).seconds, std::optional(18.0f));
        QCOMPARE(s.session.boardRow(14).misses, std::nullopt);
        QCOMPARE(s.session.boardRow(14).seconds, std::nullopt);
        s.clock.now = 86390.5f; // quit at once: no second yet, but a cell
        QCOMPARE(s.session.boardRow(13).seconds, std::optional(0.0f));
    }

    void boardOfAFinishedCourseShowsTheSecondsAsSaved()
    {
        Session s;
        s.writeFile(progressFileAt(30, 0, "2,41.0"));
        QVERIFY(s.progress.loadProgress(s.course));
        s.course.answerSeconds[7] = 0; // a problem without time shows none
        s.clock.now = 9.25f;
        QCOMPARE(s.session.rouletteNext(), Outcome{Saved{ScreenId::History}});
        QCOMPARE(s.session.boardRow(30).misses, std::optional(2));
        QCOMPARE(s.session.boardRow(30).seconds, std::optional(41.0f));
        QCOMPARE(s.session.boardRow(29).seconds, std::optional(30.0f));
        QCOMPARE(s.session.boardRow(7).misses, std::optional(1));
        QCOMPARE(s.session.boardRow(7).seconds, std::nullopt);
    }
};

QTEST_GUILESS_MAIN(CourseSessionTest)
#include "tst_course_session.moc"
