#include "quiz_driver.h"

#include "canvas/palette.h"

#include <QTest>

using namespace piyota;
using namespace piyota::testing;

namespace {

const QStringList kHints{
    QStringLiteral("「解答群の ｘ^2 は ｘの２乗 を表しているぞ！」"),
    QStringLiteral("「解答群から正解を選び、ｸﾘｯｸしろよ！」"),
    QStringLiteral("「分からなかったら〔HELP〕をｸﾘｯｸするんだな！」"),
};

const QStringList kWarnings{
    QStringLiteral(" 間違いだぞ!!"),
    QStringLiteral(" [HELP]をクリックするんだ!!"),
    QStringLiteral(" [次へ]をクリックしても無駄だぞ!!"),
};

QStringList cue(const QString &closeWord, const QString &file, const QString &command)
{
    QStringList steps;
    if (closeWord == QStringLiteral("Stop"))
        steps << QStringLiteral("Command=Stop") << QStringLiteral("Command=Close");
    else
        steps << QStringLiteral("Command=") + closeWord;
    return steps << QStringLiteral("FileName=") + file << QStringLiteral("Command=Open")
                 << QStringLiteral("Command=") + command;
}

} // namespace

class QuizScreenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        app_.emplace();
        quiz_.emplace(*app_);
    }

    void activationPresentsTheProblemFromTheFile()
    {
        quiz_->drawLayouts({3});
        app_->clock.now = 1000.75f;
        quiz_->openAt(6, -3000);
        QCOMPARE(app_->course.layoutNo, std::int16_t(3));
        QCOMPARE(app_->random.seeds, QList<float>{1000.75f});
        QCOMPARE(quiz_->picture(1)->printedText().section(QLatin1Char('\n'), 0, 1),
                 QStringLiteral("\n　【問題６】"));
        QCOMPARE(quiz_->presentationDifference(false), QString());
        QCOMPARE(quiz_->picture(2)->printedText(), QStringLiteral("　解答群"));
        QCOMPARE(quiz_->picture(3)->printedText(), kHints.join(QLatin1Char('\n')));
        QCOMPARE(quiz_->label(2)->text(), QStringLiteral("-3000"));
        QVERIFY(!quiz_->button(11)->isEnabled());
        QVERIFY(quiz_->button(9)->isEnabled());
        // The first problem of a group takes its start time on activation.
        QCOMPARE(app_->course.answerSeconds[6], 1000.75f);
        QVERIFY(app_->course.timeStarted[6]);
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
        app_->random.values = {draw};
        quiz_->openAt(11);
        QCOMPARE(int(app_->course.layoutNo), layout);
    }

    void correctAnswerScoresOnce()
    {
        quiz_->drawLayouts({2});
        quiz_->openAt(1, 6000);
        app_->media.clear();
        quiz_->answerRight();
        QCOMPARE(app_->media.steps(), cue(QStringLiteral("close"), QStringLiteral("Chimes.wav"), QStringLiteral("Sound")));
        QCOMPARE(app_->course.score, 9000.0);
        QCOMPARE(quiz_->label(2)->text(), QStringLiteral("9000"));
        QCOMPARE(quiz_->label(4)->text(), QStringLiteral("正解"));
        QCOMPARE(quiz_->label(4)->palette().color(QPalette::WindowText), paletteColor(1));
        QVERIFY(quiz_->button(11)->isEnabled());
        QVERIFY(!quiz_->button(9)->isEnabled());
        QVERIFY(app_->course.solvedFlag);

        app_->media.clear();
        quiz_->answerRight();
        QCOMPARE(app_->media.steps(), QStringList());
        QCOMPARE(app_->course.score, 9000.0);
    }

    void wrongAnswerLocksTheProblem()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(2);
        app_->media.clear();
        quiz_->answerWrong();
        QCOMPARE(app_->media.steps(), cue(QStringLiteral("close"), QStringLiteral("Chimes2.wav"), QStringLiteral("Sound")));
        QCOMPARE(app_->course.missCount[2], 1);
        QCOMPARE(app_->course.score, -3000.0);
        QCOMPARE(quiz_->label(2)->text(), QStringLiteral("-3000"));
        QCOMPARE(quiz_->label(4)->text(), QStringLiteral("違う"));
        QCOMPARE(quiz_->label(4)->palette().color(QPalette::WindowText), paletteColor(4));
        for (int b = 1; b <= 8; ++b)
            QVERIFY(!quiz_->button(b)->isEnabled());
        QCOMPARE(quiz_->picture(3)->printedText(), kWarnings.join(QLatin1Char('\n')));
        QVERIFY(quiz_->button(9)->isEnabled());
        QVERIFY(!quiz_->button(11)->isEnabled());
        // Nothing is written until the student leaves the screen.
        QCOMPARE(quiz_->savedFile(), progressFileAt(2, 0));
    }

    void otherIsWrongEverywhere()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(30);
        quiz_->button(8)->click();
        QCOMPARE(app_->course.missCount[30], 1);
    }

    // The file keeps a miss count in 16 bits; one wrong answer more must
    // not make a file that the way back from the lecture cannot read.
    void missCountStopsAtTheLargestTheFileKeeps()
    {
        quiz_->drawLayouts({2});
        quiz_->openAt(4, 0, "32767,100");
        quiz_->answerWrong();
        QCOMPARE(app_->course.missCount[4], 32767);
        quiz_->help();
        QVERIFY(quiz_->savedFile().contains("\r\n32767,100\r\n"));
        app_->navigator.show(ScreenId::Stage1Quiz);
        QVERIFY(!app_->exitCode);
        QCOMPARE(app_->course.missCount[4], 32767);
    }

    void wrongClickAfterSolvingLeavesOnlyTheLecture()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(4, 0);
        quiz_->answerRight();
        quiz_->answerWrong();
        QCOMPARE(app_->course.score, 0.0);
        QVERIFY(!app_->course.solvedFlag);
        QCOMPARE(app_->course.missCount[4], 1);
        QVERIFY(!quiz_->button(11)->isEnabled());
        QVERIFY(quiz_->button(9)->isEnabled());
        quiz_->help();
        QCOMPARE(app_->navigator.currentId(), ScreenId::Lecture);
    }

    void nextBeforeSolvingAndHelpAfterSolvingOnlyBeep()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(3);
        app_->media.clear();
        quiz_->screen()->onNextClicked();
        QCOMPARE(app_->dialogs.beeps, 1);
        QCOMPARE(app_->media.steps(), cue(QStringLiteral("Stop"), QStringLiteral("pinpon.wav"), QStringLiteral("Sound")));
        QCOMPARE(app_->course.problemNo, std::int16_t(3));
        quiz_->answerRight();
        quiz_->screen()->onHelpClicked();
        QCOMPARE(app_->dialogs.beeps, 2);
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
    }

    void nextWithinAGroupPresentsTheNextProblem()
    {
        quiz_->drawLayouts({1, 3});
        app_->clock.now = 500.5f;
        quiz_->openAt(1);
        app_->clock.now = 541.25f;
        quiz_->answerRight();
        quiz_->next();
        QCOMPARE(app_->course.problemNo, std::int16_t(2));
        QCOMPARE(app_->course.answerSeconds[1], 40.0f);
        QCOMPARE(app_->course.answerSeconds[2], 541.25f);
        QVERIFY(!app_->course.timeStarted[2]);
        QCOMPARE(app_->course.layoutNo, std::int16_t(3));
        QVERIFY(!app_->course.solvedFlag);
        QCOMPARE(quiz_->label(4)->text(), QString());
        QVERIFY(!quiz_->button(11)->isEnabled());
        QVERIFY(quiz_->button(9)->isEnabled());
        QCOMPARE(quiz_->label(2)->text(), QStringLiteral("3000"));
        // The after-next wording of problem 2, layout 3.
        QVERIFY(quiz_->picture(1)->printedText().contains(QStringLiteral("ａ＞０ のときどうなるか。")));
        QCOMPARE(quiz_->picture(1)->printedText().section(QLatin1Char('\n'), 1, 1), QStringLiteral("　【問題２】"));
        QCOMPARE(quiz_->presentationDifference(true), QString());
        QCOMPARE(quiz_->picture(2)->printedText(), QStringLiteral("　解答群"));
        QCOMPARE(quiz_->savedFile(), progressFileAt(1, 0)); // nothing saved within a group
    }

    void activationShowsTheTablesWordingAfterALecture()
    {
        quiz_->drawLayouts({3});
        quiz_->openAt(2);
        QVERIFY(quiz_->picture(1)->printedText().contains(QStringLiteral("ａ＞０のときどうなるか。")));
    }

    void endOfGroupSavesTheNextProblemAndGoesToTheRoulette()
    {
        quiz_->drawLayouts({2});
        app_->clock.now = 100;
        quiz_->openAt(15, 42000, "2,60");
        app_->course.answerSeconds[15] = 86390; // started just before midnight
        app_->clock.now = 5;
        quiz_->answerRight();
        quiz_->next();
        QCOMPARE(app_->navigator.currentId(), ScreenId::Roulette);
        const QList<QByteArray> lines = quiz_->savedFile().split('\n');
        QCOMPARE(lines[0], QByteArray("16,45000\r"));
        QCOMPARE(lines[15], QByteArray("2,15\r")); // counted across midnight
        QCOMPARE(lines[16], QByteArray("0,0\r"));
    }

    void lastProblemKeepsItsNumber()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(30, 0);
        QCOMPARE(quiz_->picture(1)->geometry().x(), 0); // the stage 2 screen stands 120 twips further left
        quiz_->answerRight();
        quiz_->next();
        QCOMPARE(app_->navigator.currentId(), ScreenId::Roulette);
        QCOMPARE(quiz_->savedFile().left(9), QByteArray("30,3000\r\n"));
        QCOMPARE(app_->course.problemNo, std::int16_t(30));
    }

    void helpSavesAndTheLectureReturnsToTheSameLayout()
    {
        quiz_->drawLayouts({2});
        quiz_->openAt(7, 3000);
        quiz_->answerWrong();
        app_->media.clear();
        quiz_->help();
        QCOMPARE(app_->media.steps(), cue(QStringLiteral("Stop"), QStringLiteral("pinpon.wav"), QStringLiteral("Sound")));
        QCOMPARE(app_->navigator.currentId(), ScreenId::Lecture);
        QCOMPARE(quiz_->savedFile().left(8), QByteArray("7,0\r\n1,3"));
        QVERIFY(quiz_->savedFile().contains("\r\n1,30\r\n1,"));

        app_->navigator.show(ScreenId::Stage1Quiz); // the lecture's way back
        QCOMPARE(app_->course.layoutNo, std::int16_t(2));
        QCOMPARE(app_->random.seeds.size(), 1); // not drawn again
        for (int b = 1; b <= 8; ++b)
            QVERIFY(quiz_->button(b)->isEnabled());
        QCOMPARE(quiz_->label(4)->text(), QString());
        QCOMPARE(app_->course.missCount[7], 1);
        quiz_->answerRight();
        QCOMPARE(app_->course.score, 3000.0);
    }

    void layoutIsDrawnAnewInANewRun()
    {
        quiz_->drawLayouts({2});
        quiz_->openAt(8);
        QCOMPARE(app_->course.layoutNo, std::int16_t(2));

        TestApp nextRun;
        nextRun.random.values = {0.9f};
        QuizDriver again(nextRun);
        again.openAt(8);
        QCOMPARE(nextRun.course.layoutNo, std::int16_t(3));
    }

    void resumedProblemTakesItsStartTimeOnActivation()
    {
        app_->course.resumed = true;
        app_->clock.now = 700.5f;
        quiz_->openAt(9, 0, "0,650");
        QCOMPARE(app_->course.answerSeconds[9], 700.5f);
        QVERIFY(app_->course.timeStarted[9]);
    }

    void unresumedProblemKeepsTheStartTimeOfItsFile()
    {
        app_->clock.now = 700.5f;
        quiz_->openAt(9, 0, "0,650");
        QCOMPARE(app_->course.answerSeconds[9], 650.0f);
        QVERIFY(!app_->course.timeStarted[9]);
    }

    void quitAsksThenSavesAndShowsTheBoard()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(5, 0);
        quiz_->answerWrong();
        app_->dialogs.yesNoAnswers = {false, true};
        quiz_->quit();
        QCOMPARE(app_->dialogs.asked.last().text, QStringLiteral("終了していいですか？"));
        QCOMPARE(app_->dialogs.asked.last().title, QStringLiteral("ぴよたの研修旅行2008"));
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
        QCOMPARE(quiz_->savedFile(), progressFileAt(5, 0));
        app_->media.clear();
        quiz_->quit();
        QCOMPARE(app_->media.steps().mid(0, 5), cue(QStringLiteral("Stop"), QStringLiteral("endpinpon.wav"), QStringLiteral("Sound")));
        QCOMPARE(app_->navigator.currentId(), ScreenId::History);
        QCOMPARE(quiz_->savedFile().left(9), QByteArray("5,-3000\r\n"));
    }

    void failedSaveKeepsTheScreenAndSaysSo()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(12, 0);
        quiz_->answerWrong();
        app_->course.userCode = QStringLiteral("no/such/folder");
        quiz_->help();
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
        QCOMPARE(app_->dialogs.asked.last().kind, QStringLiteral("inform"));
        QCOMPARE(app_->course.score, -3000.0);
        QCOMPARE(app_->course.missCount[12], 1);
        QVERIFY(!app_->exitCode);
    }

    void missingFileEndsTheProgramSilently()
    {
        app_->course.userCode = QStringLiteral("nobody");
        app_->navigator.show(ScreenId::Stage2Quiz);
        QVERIFY(app_->exitCode && *app_->exitCode != 0);
        QCOMPARE(app_->dialogs.asked.size(), 0);
        QCOMPARE(app_->navigator.currentScreen(), nullptr);
    }

    void stage1ScreenOnAStage2ProblemShowsOnlyTheHints()
    {
        app_->course.userCode = QStringLiteral("zq");
        writeBytes(app_->filePath(QStringLiteral("zq.ucd")), progressFileAt(16, 0));
        app_->navigator.show(ScreenId::Stage1Quiz);
        QCOMPARE(quiz_->picture(1)->printedText(), QString());
        QCOMPARE(quiz_->picture(3)->printedText(), kHints.join(QLatin1Char('\n')));
        // No layout was drawn, so a click matches no entry of the key.
        quiz_->button(1)->click();
        QVERIFY(!app_->course.layoutDrawn[16]);
        QCOMPARE(app_->course.missCount[16], 0);
        QCOMPARE(app_->course.score, 0.0);
    }

    void picturesAlternateAndEachStageKeepsItsOwnFlag()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(1);
        auto shown = [this](int image) {
            return quiz_->screen()->findChild<QLabel *>(QStringLiteral("Image%1").arg(image))->isVisibleTo(quiz_->screen());
        };
        quiz_->screen()->onBlinkTick();
        QCOMPARE((QList<bool>{shown(1), shown(2), shown(3), shown(4)}), (QList<bool>{false, true, false, true}));
        quiz_->screen()->onBlinkTick();
        QCOMPARE((QList<bool>{shown(1), shown(2), shown(3), shown(4)}), (QList<bool>{true, false, true, false}));
        quiz_->screen()->onBlinkTick();
        QVERIFY(app_->forms.stage1QuizBlink);
        QVERIFY(!app_->forms.stage2QuizBlink);
    }

private:
    std::optional<TestApp> app_;
    std::optional<QuizDriver> quiz_;
};

QTEST_MAIN(QuizScreenTest)
#include "tst_quiz_screen.moc"
