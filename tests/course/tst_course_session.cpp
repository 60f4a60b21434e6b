#include "fakes/fake_platform.h"
#include "fakes/file_saves.h"
#include "fakes/progress_files.h"

#include "course_session.h"
#include "progress_file.h"
#include "user_code_lock.h"
#include "content/reader/transcription.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace piyota;
using namespace piyota::testing;

namespace {

const QString kFile = QStringLiteral("zq.ucd");

// The course's rules over a fresh working directory, a fake clock and fake
// random numbers; no screen.
struct Session {
    Session() { course.userCode = QStringLiteral("zq"); }

    QByteArray file() const { return readBytes(directory.filePath(kFile)); }
    void writeFile(const QByteArray &bytes) const { QVERIFY(writeBytes(directory.filePath(kFile), bytes)); }
    // A directory in place of the file: every save fails.
    void breakSaves()
    {
        directory.remove(kFile);
        QVERIFY(directory.mkdir(kFile));
    }
    // Opens the quiz of the stage of a file at `problemNo`, in layout `layout`.
    void openAt(int problemNo, int layout, int score = 0, const QByteArray &currentLine = "0,0")
    {
        writeFile(progressFileAt(problemNo, score, currentLine));
        random.values.push_back((static_cast<float>(layout) - 0.5f) / 3.0f);
        session.enterQuiz(problemNo <= 15 ? Stage::First : Stage::Second);
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

// A file's line of problem i (its first line for 0), without the CR.
QByteArray lineOf(const QByteArray &file, int i)
{
    return file.split('\n').value(i).chopped(1);
}

} // namespace

Q_DECLARE_METATYPE(std::optional<piyota::ScreenId>)

class CourseSessionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stagesGroupsAndTheirScreens()
    {
        QVERIFY(stageHolds(Stage::First, 1) && stageHolds(Stage::First, 15) && !stageHolds(Stage::First, 16));
        QVERIFY(stageHolds(Stage::Second, 16) && stageHolds(Stage::Second, 30) && !stageHolds(Stage::Second, 15));
        QVERIFY(!stageHolds(Stage::First, 0) && !stageHolds(Stage::Second, 31));
        for (int p : {1, 6, 11, 16, 21, 26})
            QVERIFY(beginsGroup(p) && !endsGroup(p) && endsGroup(p + 4));
        QCOMPARE(quizScreenFor(0), std::optional(ScreenId::Stage1Quiz));
        QCOMPARE(quizScreenFor(15), std::optional(ScreenId::Stage1Quiz));
        QCOMPARE(quizScreenFor(16), std::optional(ScreenId::Stage2Quiz));
        QCOMPARE(quizScreenFor(30), std::optional(ScreenId::Stage2Quiz));
        QCOMPARE(quizScreenFor(31), std::nullopt);
    }

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
        // A wrong click on a solved problem is judged as usual.
        QCOMPARE(s.session.answer(8), Verdict::Wrong);
        QVERIFY(!s.course.solvedFlag);
        QCOMPARE(s.course.missCount[3], 2);
        QCOMPARE(s.course.score, 3000.0);
        QCOMPARE(lineOf(s.file(), 0), QByteArray("3,6000")); // answers save nothing
    }

    void otherIsWrongForEveryProblemAndLayout()
    {
        Session s;
        for (int p = 1; p <= 30; ++p) {
            for (int k = 1; k <= 3; ++k) {
                s.course.problemNo = static_cast<std::int16_t>(p);
                s.course.layoutNo = static_cast<std::int16_t>(k);
                s.course.solvedFlag = false;
                QCOMPARE(s.session.answer(8), Verdict::Wrong);
                QCOMPARE(s.session.answer(s.key()), Verdict::Correct);
            }
        }
    }

    void noKeyJudgesNothing()
    {
        Session s;
        for (auto [p, k] : {std::pair{0, 1}, {31, 1}, {5, 0}, {5, 4}}) {
            s.course.problemNo = static_cast<std::int16_t>(p);
            s.course.layoutNo = static_cast<std::int16_t>(k);
            for (int b = 1; b <= 8; ++b)
                QCOMPARE(s.session.answer(b), Verdict::NotJudged);
        }
        QCOMPARE(s.course.score, 0.0);
        QCOMPARE(s.course.missCount[5], 0);
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
        QCOMPARE(s.session.help().outcome.save, Save::Saved);
        QCOMPARE(lineOf(s.file(), 4), QByteArray("32767,0"));
        QCOMPARE(int(s.session.enterQuiz(Stage::First).route.kind), int(Route::Kind::Stay));
        QCOMPARE(s.course.missCount[4], 32767);
    }

    void layoutDrawCoversAllThreeLayouts_data()
    {
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("layout");
        QTest::newRow("0 gives 1") << 0.0f << 1;
        QTest::newRow("just below a third gives 1") << 0.333f << 1;
        QTest::newRow("a half gives 2") << 0.5f << 2;
        QTest::newRow("just below 1 gives 3") << 0.9999f << 3;
    }
    void layoutDrawCoversAllThreeLayouts()
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
        s.openAt(6, 3, 9000, "0,0");
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

    void openingTheQuizPresentsOnlyItsStage()
    {
        Session s;
        s.writeFile(progressFileAt(16, 0));
        QuizEntry entry = s.session.enterQuiz(Stage::First);
        QCOMPARE(entry.problem, std::nullopt);
        QCOMPARE(int(entry.route.kind), int(Route::Kind::Stay));
        QVERIFY(s.random.seeds.isEmpty());
        entry = s.session.enterQuiz(Stage::Second);
        QCOMPARE(entry.problem, std::optional(16));
        QVERIFY(entry.clearsPrevious);
        s.writeFile(progressFileAt(1, 0));
        s.course.solvedFlag = true;
        entry = s.session.enterQuiz(Stage::First);
        QCOMPARE(entry.problem, std::optional(1));
        QVERIFY(!entry.clearsPrevious); // the first problem meets an empty screen
        QVERIFY(s.course.solvedFlag);
    }

    void unreadableFileEndsTheProgram()
    {
        Session s;
        s.course.problemNo = 4;
        const QuizEntry entry = s.session.enterQuiz(Stage::First);
        QCOMPARE(int(entry.route.kind), int(Route::Kind::EndAfterFailure));
        QCOMPARE(entry.problem, std::nullopt);
        QCOMPARE(int(s.course.problemNo), 4);
    }

    void nextWithinAGroupTimesTheProblemsAndSavesNothing()
    {
        Session s;
        s.clock.now = 86390.5f;
        s.openAt(2, 1, 0, "0,86380.25");
        QCOMPARE(int(s.session.next(Stage::First).kind), int(QuizStep::Kind::Refused)); // not solved
        s.session.answer(s.key());
        s.clock.now = 20.75f; // past midnight
        s.random.values = {0.9f};
        QCOMPARE(int(s.session.next(Stage::First).kind), int(QuizStep::Kind::NextProblem));
        QCOMPARE(int(s.course.problemNo), 3);
        QCOMPARE(s.course.answerSeconds[2], 40.0f); // 86380.25 to 20.75 the next day
        QCOMPARE(s.course.answerSeconds[3], 20.75f);
        QVERIFY(s.course.layoutDrawn[3]);
        QCOMPARE(int(s.course.layoutNo), 3);
        QVERIFY(!s.course.solvedFlag);
        QCOMPARE(s.file(), progressFileAt(2, 0, "0,86380.25"));
    }

    void nextOutsideTheStageDoesNothing()
    {
        Session s;
        s.openAt(17, 1);
        s.session.answer(s.key());
        QCOMPARE(int(s.session.next(Stage::First).kind), int(QuizStep::Kind::Ignored));
        QCOMPARE(int(s.course.problemNo), 17);
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
        const QuizStep step = s.session.next(problem <= 15 ? Stage::First : Stage::Second);
        QCOMPARE(int(step.kind), int(QuizStep::Kind::Leaves));
        QCOMPARE(step.outcome.save, Save::Saved);
        QCOMPARE(step.outcome.route.screen, ScreenId::Roulette);
        const QByteArray file = s.file();
        QCOMPARE(lineOf(file, 0), QByteArray::number(saved) + ",3000");
        QCOMPARE(lineOf(file, problem), QByteArray("0,99"));
        if (problem < 30)
            QCOMPARE(lineOf(file, problem + 1), QByteArray("0,0")); // timed when it opens
    }

    void failedSavePointsChangeNothing()
    {
        Session s;
        s.openAt(5, 1, 0, "0,900.5");
        s.session.answer(s.key());
        s.breakSaves();
        const CourseState before = s.course;
        QCOMPARE(s.session.next(Stage::First).outcome.save, Save::Failed);
        QCOMPARE(int(s.session.next(Stage::First).outcome.route.kind), int(Route::Kind::Stay));
        QCOMPARE(s.session.quit().save, Save::Failed);
        QCOMPARE(s.session.rouletteNext().save, Save::Failed);
        s.course.solvedFlag = false;
        QCOMPARE(s.session.help().outcome.save, Save::Failed);
        s.course.solvedFlag = true;
        QCOMPARE(int(s.course.problemNo), int(before.problemNo));
        QCOMPARE(s.course.answerSeconds, before.answerSeconds);
        QCOMPARE(s.course.score, before.score);
    }

    void helpSavesAndOpensTheLectureUnlessSolved()
    {
        Session s;
        s.openAt(9, 1, 3000, "0,700.5");
        s.session.answer(s.wrongButton());
        const QuizStep step = s.session.help();
        QCOMPARE(step.outcome.save, Save::Saved);
        QCOMPARE(step.outcome.route.screen, ScreenId::Lecture);
        QCOMPARE(lineOf(s.file(), 0), QByteArray("9,0"));
        QCOMPARE(lineOf(s.file(), 9), QByteArray("1,700.5"));
        s.session.answer(s.key());
        QCOMPARE(int(s.session.help().kind), int(QuizStep::Kind::Refused));
    }

    void quitSavesAndShowsTheBoard()
    {
        Session s;
        s.openAt(12, 1, 0, "0,700.5");
        s.session.answer(s.wrongButton());
        const Outcome outcome = s.session.quit();
        QCOMPARE(outcome.save, Save::Saved);
        QCOMPARE(int(outcome.route.kind), int(Route::Kind::HistoryBoard));
        QCOMPARE(s.session.runEnd(), RunEnd::QuitDuringProblem);
        QCOMPARE(lineOf(s.file(), 0), QByteArray("12,-3000"));
    }

    void startingAfreshWritesABlankRecord()
    {
        Session s;
        s.writeFile(progressFileAt(20, 9000));
        const StartOutcome outcome = s.session.startAfresh(QString());
        QCOMPARE(outcome.opening, Opening::Opened);
        QCOMPARE(outcome.route.screen, ScreenId::Stage1Quiz);
        QCOMPARE(s.course.userCode, QStringLiteral("zq"));
        QCOMPARE(s.file(), QByteArray("1,0\r\n") + QByteArray("0,0\r\n").repeated(30));
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
        QVERIFY(writeBytes(s.directory.filePath(QStringLiteral("mika.ucd")), progressFileAt(problem, 4000, "2,300.5")));
        s.clock.now = 777.25f;
        const StartOutcome outcome = s.session.continueCourse(QStringLiteral("mika"));
        QCOMPARE(outcome.route.screen, quiz);
        QVERIFY(s.course.resumed);
        QCOMPARE(s.course.score, 4000.0);
        QCOMPARE(s.course.missCount[problem], 2);
        QCOMPARE(s.course.missCount[1], 1);
        QCOMPARE(s.course.answerSeconds[problem], 777.25f);
        QCOMPARE(readBytes(s.directory.filePath(QStringLiteral("mika.ucd"))),
                 progressFileAt(problem, 4000, "2,300.5")); // nothing written
    }

    void continuingWithoutACodeStartsAfreshUnderTheDefault()
    {
        Session s;
        s.writeFile(progressFileAt(20, 9000));
        const StartOutcome outcome = s.session.continueCourse(QString());
        QCOMPARE(outcome.route.screen, ScreenId::Stage1Quiz);
        QVERIFY(s.course.resumed);
        QCOMPARE(s.file(), QByteArray("1,0\r\n") + QByteArray("0,0\r\n").repeated(30));
    }

    void startFailuresEndTheProgramAndACodeInUseChangesNothing()
    {
        Session s;
        QCOMPARE(int(s.session.continueCourse(QStringLiteral("nobody")).route.kind),
                 int(Route::Kind::EndAfterFailure));
        s.breakSaves();
        QCOMPARE(int(s.session.startAfresh(QString()).route.kind), int(Route::Kind::EndAfterFailure));
        Session fresh;
        UserCodeLock otherProgram(fresh.directory);
        QCOMPARE(otherProgram.take(QStringLiteral("mika")), UserCodeLock::Result::Held);
        const StartOutcome outcome = fresh.session.startAfresh(QStringLiteral("mika"));
        QCOMPARE(outcome.opening, Opening::CodeInUse);
        QCOMPARE(int(outcome.route.kind), int(Route::Kind::Stay));
        QVERIFY(!QFile::exists(fresh.directory.filePath(QStringLiteral("mika.ucd"))));
        QCOMPARE(fresh.session.continueCourse(QStringLiteral("mika")).opening, Opening::CodeInUse);
        QCOMPARE(fresh.course.userCode, QStringLiteral("zq"));
    }

    void rouletteChangesTheScoreAndLeadsOn_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("saves"); // the roulette's saves of the course
        QTest::addColumn<int>("kind");
        QTest::newRow("after 10") << 11 << 1 << int(Route::Kind::Show);
        QTest::newRow("after 15") << 16 << 1 << int(Route::Kind::Show);
        QTest::newRow("after 30") << 30 << 2 << int(Route::Kind::HistoryBoard);
    }
    void rouletteChangesTheScoreAndLeadsOn()
    {
        QFETCH(int, problem);
        QFETCH(int, saves);
        QFETCH(int, kind);
        Session s;
        s.writeFile(progressFileAt(problem, 1000));
        FileSaves fileSaves(s.directory.path(), kFile);
        QVERIFY(s.progress.loadProgress(s.course));
        s.clock.now = 321.5f;
        s.random.values = {0.25f};
        QCOMPARE(s.session.drawStop(), 0.25f);
        QCOMPARE(s.random.seeds, QList<float>{321.5f});
        s.session.spinResult(-10000);
        QCOMPARE(s.course.score, -9000.0);
        const Outcome outcome = s.session.rouletteNext();
        QCOMPARE(outcome.save, Save::Saved);
        QCOMPARE(fileSaves.take(), saves);
        QCOMPARE(int(outcome.route.kind), kind);
        if (kind == int(Route::Kind::Show))
            QCOMPARE(outcome.route.screen, problem <= 15 ? ScreenId::Stage1Quiz : ScreenId::Stage2Quiz);
        else
            QCOMPARE(s.session.runEnd(), RunEnd::CourseFinished);
        QCOMPARE(lineOf(s.file(), 0), QByteArray::number(problem) + ",-9000");
    }

    void lecturePagesCycleBackToTheQuiz()
    {
        Session s;
        s.course.problemNo = 3;
        const int pages = transcription::course().lecture(1)->pageCount;
        int pageNo = pages + 3; // left by a longer lecture: folded into this one
        LectureStep step = s.session.nextLecturePage(pageNo);
        QCOMPARE(step.page, std::optional<std::size_t>(2));
        QCOMPARE(pageNo, 3);
        for (int page = 3; page < pages; ++page)
            QCOMPARE(s.session.nextLecturePage(pageNo).page, std::optional<std::size_t>(page));
        step = s.session.nextLecturePage(pageNo);
        QCOMPARE(step.page, std::nullopt);
        QCOMPARE(step.route.screen, ScreenId::Stage1Quiz);
        QCOMPARE(pageNo, 0);
        s.course.problemNo = 16;
        pageNo = 5;
        const Route route = s.session.exitLecture(pageNo);
        QCOMPARE(route.screen, ScreenId::Stage2Quiz);
        QCOMPARE(pageNo, 0);
        s.course.problemNo = 0; // no lecture
        pageNo = 4;
        QCOMPARE(int(s.session.nextLecturePage(pageNo).route.kind), int(Route::Kind::Stay));
        QCOMPARE(pageNo, 4);
    }

    void boardShowsMissesSoFarAndTheUnfinishedProblemsSeconds()
    {
        Session s;
        s.writeFile(progressFileAt(13, 0, "2,86390.5"));
        QVERIFY(s.progress.loadProgress(s.course));
        s.clock.now = 9.25f; // across midnight
        QCOMPARE(s.session.boardRow(12, RunEnd::QuitDuringProblem).misses, std::optional(1));
        QCOMPARE(s.session.boardRow(12, RunEnd::QuitDuringProblem).seconds, std::optional(30.0f));
        QCOMPARE(s.session.boardRow(13, RunEnd::QuitDuringProblem).misses, std::optional(2));
        QCOMPARE(s.session.boardRow(13, RunEnd::QuitDuringProblem).seconds, std::optional(18.0f));
        QCOMPARE(s.session.boardRow(13, RunEnd::CourseFinished).seconds, std::optional(86390.5f));
        QCOMPARE(s.session.boardRow(14, RunEnd::QuitDuringProblem).misses, std::nullopt);
        QCOMPARE(s.session.boardRow(14, RunEnd::QuitDuringProblem).seconds, std::nullopt);
        s.clock.now = 86390.5f; // quit at once: no second yet, but a cell
        QCOMPARE(s.session.boardRow(13, RunEnd::QuitDuringProblem).seconds, std::optional(0.0f));
    }
};

QTEST_GUILESS_MAIN(CourseSessionTest)
#include "tst_course_session.moc"
