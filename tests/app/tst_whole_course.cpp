// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/progress_files.h"
#include "screens/history/board_cells.h"
#include "screens/quiz/quiz_driver.h"
#include "screens/roulette/roulette_driver.h"

#include <QTest>

using namespace piyota;
using namespace piyota::testing;

namespace {

// Plays problems through the real screens, as a student would, and keeps
// the record that the progress file and the history board must show.
class CoursePlayer {
public:
    CoursePlayer(TestApp &app, int layout, const QByteArray &file)
        : app_(app), quiz_(app), roulette_(app), layout_(layout), record_(file.split('\n'))
    {
        const QList<QByteArray> first = record_[0].chopped(1).split(',');
        score_ = first[1].toDouble();
        app_.clock.now = 30000;
    }

    // Opens the course from the start menu: button 1 starts afresh, 2 continues.
    void startFromTheMenu(int button)
    {
        app_.navigator.show(ScreenId::StartMenu);
        app_.dialogs.inputAnswers = {QStringLiteral("zq")};
        quiz_.drawLayouts({layout_});
        app_.navigator.currentScreen()->findChild<QPushButton *>(QStringLiteral("Command%1").arg(button))->click();
    }

    // Answers problem p right, after a wrong answer and a visit to the
    // lecture on some problems; at the end of a group, spins the roulette.
    void play(int p, float stopDraw, int rouletteChange)
    {
        QCOMPARE(int(app_.course.problemNo), p);
        QCOMPARE(int(app_.course.layoutNo), layout_);
        QCOMPARE(quiz_.presentationDifference(presentedByNext_), QString());
        int misses = record_[p].split(',')[0].toInt();
        if (p % 7 == 3) {
            quiz_.answerWrong();
            score_ -= 3000;
            ++misses;
            quiz_.help();
            QCOMPARE(app_.navigator.currentId(), ScreenId::Lecture);
            // The file holds the reading the problem was started at: the clock has
            // not moved since.
            checkFile(p, {{p, QByteArray::number(misses) + ',' + QByteArray::number(app_.clock.now, 'g', 7)}});
            app_.navigator.currentScreen()->findChild<QPushButton *>(QStringLiteral("Command2"))->click(); // EXIT
            QCOMPARE(int(app_.course.layoutNo), layout_);
            QCOMPARE(quiz_.presentationDifference(false), QString()); // presented anew by the activation
        }
        app_.clock.now += 12.5f + static_cast<float>(p); // p + 12 whole seconds on problem p
        quiz_.answerRight();
        score_ += 3000;
        QCOMPARE(app_.course.score, score_);
        record_[p] = QByteArray::number(misses) + ',' + QByteArray::number(p + 12) + '\r';
        if (p % 5 != 0) {
            quiz_.drawLayouts({layout_});
            quiz_.next();
            QCOMPARE(app_.navigator.currentId(), p < 15 ? ScreenId::Stage1Quiz : ScreenId::Stage2Quiz);
            presentedByNext_ = true;
            return;
        }
        quiz_.next();
        presentedByNext_ = false;
        QCOMPARE(app_.navigator.currentId(), ScreenId::Roulette);
        const int nextProblem = std::min(p + 1, 30);
        checkFile(nextProblem);
        roulette_.spin(stopDraw);
        QVERIFY(roulette_.button(3)->isEnabled());
        score_ += rouletteChange;
        QCOMPARE(app_.course.score, score_);
        QCOMPARE(roulette_.label(2)->text(), scoreText());
        if (p < 30)
            quiz_.drawLayouts({layout_});
        roulette_.next();
        checkFile(nextProblem);
        QCOMPARE(app_.navigator.currentId(), p < 15 ? ScreenId::Stage1Quiz : p < 30 ? ScreenId::Stage2Quiz : ScreenId::History);
    }

    // The board at the end: every problem's wrong answers and seconds.
    void checkBoard() const
    {
        QCOMPARE(labelText(app_, QStringLiteral("Label3")), QStringLiteral("あなたは、問題 30 番まで進んでいます。"));
        QCOMPARE(labelText(app_, QStringLiteral("Label4")), scoreText());
        QStringList misses;
        QStringList seconds;
        for (int i = 1; i <= 30; ++i) {
            const QList<QByteArray> fields = record_[i].chopped(1).split(',');
            misses << QLatin1Char(' ') + QString::fromLatin1(fields[0]);
            seconds << QLatin1Char(' ') + QString::fromLatin1(fields[1]);
        }
        QCOMPARE(boardCells(app_, QStringLiteral("Lab")), misses);
        QCOMPARE(boardCells(app_, QStringLiteral("zik")), seconds);
    }

private:
    QString scoreText() const { return QString::number(static_cast<qint64>(score_)); }

    // The saved file: the record so far, with the problem in progress as given.
    void checkFile(int problemNo, const QMap<int, QByteArray> &inProgress = {}) const
    {
        const QList<QByteArray> lines = quiz_.savedFile().split('\n');
        QCOMPARE(lines.size(), 32);
        QCOMPARE(lines[0], QByteArray::number(problemNo) + ',' + scoreText().toLatin1() + '\r');
        for (int i = 1; i <= 30; ++i)
            QCOMPARE(lines[i], inProgress.contains(i) ? inProgress[i] + '\r' : record_[i]);
    }

    TestApp &app_;
    QuizDriver quiz_;
    RouletteDriver roulette_;
    int layout_;
    QList<QByteArray> record_; // the file's lines as they stand for finished problems
    double score_ = 0;
    bool presentedByNext_ = false; // else by the activation of the quiz screen
};

// A stop draw and the change of the score it gives: cell c of the second turn.
struct Spin {
    float stopDraw;
    int change;
};
const Spin kSpins[] = {{12.0f / 24, 30000}, {10.0f / 24, -10000}, {0.0f, 10000},
                       {19.0f / 24, 8000},  {7.0f / 24, 5000},    {4.0f / 24, 0}};

const Spin &spinAfter(int problem)
{
    return kSpins[(problem - 1) / 5];
}

} // namespace

// Plays the course through the real screens: the start menu, the thirty
// problems with some lectures, the six roulettes and the history board.
class WholeCourseTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void playsTheWholeCourseInEachLayout_data()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("layout 1") << 1;
        QTest::newRow("layout 2") << 2;
        QTest::newRow("layout 3") << 3;
    }

    void playsTheWholeCourseInEachLayout()
    {
        QFETCH(int, layout);
        TestApp app;
        CoursePlayer player(app, layout, progressFileAt(1, 0));
        player.startFromTheMenu(1);
        for (int p = 1; p <= 30; ++p) {
            player.play(p, spinAfter(p).stopDraw, spinAfter(p).change);
            if (QTest::currentTestFailed())
                return;
        }
        player.checkBoard();
        QCOMPARE(app.random.seeds.size(), 30 + 6); // a layout per problem, a draw per roulette
        QVERIFY(!app.exitCode);
    }

    void continuesAnInterruptedCourseInStage2()
    {
        TestApp app;
        const QByteArray saved = progressFileAt(23, 54000, "2,41000.5");
        writeBytes(app.filePath(QStringLiteral("zq.ucd")), saved);
        CoursePlayer player(app, 2, saved);
        player.startFromTheMenu(2);
        QCOMPARE(app.navigator.currentId(), ScreenId::Stage2Quiz);
        QCOMPARE(app.course.answerSeconds[23], 30000.0f); // timed from the continue
        for (int p = 23; p <= 30; ++p) {
            player.play(p, spinAfter(p).stopDraw, spinAfter(p).change);
            if (QTest::currentTestFailed())
                return;
        }
        player.checkBoard();
    }
};

QTEST_MAIN(WholeCourseTest)
#include "tst_whole_course.moc"
