// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz_driver.h"

#include <QTest>

using namespace piyota;
using namespace piyota::testing;

// What the quiz screen shows for each outcome of the course's rules, and
// that its buttons reach them; the rules themselves are tested without
// widgets (tst_course_session).
namespace {

const QStringList kHints{
    QStringLiteral("「解答群の ｘ^2 は ｘの２乗 を表しているぞ！」"),
    QStringLiteral("「解答群から正解を選び、ｸﾘｯｸしろよ！」"),
    QStringLiteral("「分からなかったら〔HELP〕をｸﾘｯｸするんだな！」"),
};

const QColor kDarkBlue(0, 0, 128);
const QColor kDarkRed(128, 0, 0);

const QStringList kWarnings{
    QStringLiteral(" 間違いだぞ!!"),
    QStringLiteral(" [HELP]をクリックするんだ!!"),
    QStringLiteral(" [次へ]をクリックしても無駄だぞ!!"),
};

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
        quiz_->openAt(6, -3000);
        QCOMPARE(quiz_->picture(1)->printedText().section(QLatin1Char('\n'), 0, 1),
                 QStringLiteral("\n　【問題６】"));
        QCOMPARE(quiz_->presentationDifference(false), QString());
        QCOMPARE(quiz_->picture(2)->printedText(), QStringLiteral("　解答群"));
        QCOMPARE(quiz_->picture(3)->printedText(), kHints.join(QLatin1Char('\n')));
        QCOMPARE(quiz_->label(2)->text(), QStringLiteral("-3000"));
        QCOMPARE(quiz_->label(4)->text(), QString());
        QVERIFY(!quiz_->button(11)->isEnabled());
        QVERIFY(quiz_->button(9)->isEnabled());
        QCOMPARE(quiz_->picture(1)->geometry().x(), 120 / 15); // stage 1 stands 120 twips right of stage 2
    }

    void stage2ScreenStandsFurtherLeft()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(30);
        QCOMPARE(quiz_->picture(1)->geometry().x(), 0);
        QCOMPARE(quiz_->presentationDifference(false), QString());
    }

    void rightAnswerShowsTheScoreAndOpensTheWayOn()
    {
        quiz_->drawLayouts({2});
        quiz_->openAt(1, 6000);
        quiz_->answerRight();
        checkVerdict(QStringLiteral("正解"), kDarkBlue, QStringLiteral("9000"));
        QVERIFY(quiz_->button(11)->isEnabled());
        QVERIFY(!quiz_->button(9)->isEnabled());

        // A click the rules do not judge plays nothing and changes nothing.
        app_->media.clear();
        quiz_->answerRight();
        QVERIFY(app_->media.cues().isEmpty());
        QCOMPARE(quiz_->label(2)->text(), QStringLiteral("9000"));
    }

    void wrongAnswerLocksTheAnswersAndWarns()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(2);
        quiz_->answerWrong();
        checkVerdict(QStringLiteral("違う"), kDarkRed, QStringLiteral("-3000"));
        for (int b = 1; b <= 8; ++b)
            QVERIFY(!quiz_->button(b)->isEnabled());
        QCOMPARE(quiz_->picture(3)->printedText(), kWarnings.join(QLatin1Char('\n')));
        QVERIFY(quiz_->button(9)->isEnabled());
        QVERIFY(!quiz_->button(11)->isEnabled());
    }

    void wrongClickAfterSolvingLeavesOnlyTheLecture()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(4, 0);
        quiz_->answerRight();
        quiz_->answerWrong(); // the answers stay open after a right one
        QCOMPARE(quiz_->label(4)->text(), QStringLiteral("違う"));
        QCOMPARE(quiz_->label(2)->text(), QStringLiteral("0"));
        QVERIFY(!quiz_->button(11)->isEnabled());
        QVERIFY(quiz_->button(9)->isEnabled());
        quiz_->help();
        QCOMPARE(app_->navigator.currentId(), ScreenId::Lecture);
    }

    void refusedButtonsOnlyBeep()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(3);
        app_->media.clear();
        quiz_->screen()->onNextClicked();
        QCOMPARE(app_->dialogs.beeps, 1);
        QCOMPARE(app_->media.cues(), QList<SoundCue>{cue::Effect{QStringLiteral("pinpon.wav")}}); // refused, but heard
        QCOMPARE(quiz_->picture(1)->printedText().section(QLatin1Char('\n'), 1, 1), QStringLiteral("　【問題３】"));
        quiz_->answerRight();
        quiz_->screen()->onHelpClicked();
        QCOMPARE(app_->dialogs.beeps, 2);
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
    }

    void nextWithinAGroupPresentsTheNextProblemInItsAfterNextWording()
    {
        quiz_->drawLayouts({1, 3});
        quiz_->openAt(1);
        quiz_->answerRight();
        quiz_->next();
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
        QCOMPARE(quiz_->label(4)->text(), QString());
        QVERIFY(!quiz_->button(11)->isEnabled());
        QVERIFY(quiz_->button(9)->isEnabled());
        for (int b = 1; b <= 8; ++b)
            QVERIFY(quiz_->button(b)->isEnabled());
        QCOMPARE(quiz_->label(2)->text(), QStringLiteral("3000"));
        // Problem 2, layout 3, as the tables word it after 次へ.
        QVERIFY(quiz_->picture(1)->printedText().contains(QStringLiteral("ａ＞０ のときどうなるか。")));
        QCOMPARE(quiz_->picture(1)->printedText().section(QLatin1Char('\n'), 1, 1), QStringLiteral("　【問題２】"));
        QCOMPARE(quiz_->presentationDifference(true), QString());
        QCOMPARE(quiz_->picture(2)->printedText(), QStringLiteral("　解答群"));
        QCOMPARE(quiz_->picture(3)->printedText(), kHints.join(QLatin1Char('\n')));
    }

    void activationShowsTheTablesWordingAfterALecture()
    {
        quiz_->drawLayouts({3});
        quiz_->openAt(2);
        QVERIFY(quiz_->picture(1)->printedText().contains(QStringLiteral("ａ＞０のときどうなるか。")));
    }

    void endOfGroupGoesToTheRoulette()
    {
        quiz_->drawLayouts({2});
        quiz_->openAt(15, 42000);
        quiz_->answerRight();
        quiz_->next();
        QCOMPARE(app_->navigator.currentId(), ScreenId::Roulette);
    }

    void helpGoesToTheLectureAndTheWayBackUnlocksTheAnswers()
    {
        quiz_->drawLayouts({2});
        quiz_->openAt(7, 3000);
        quiz_->answerWrong();
        quiz_->help();
        QCOMPARE(app_->navigator.currentId(), ScreenId::Lecture);

        app_->navigator.show(ScreenId::Stage1Quiz); // the lecture's way back
        QCOMPARE(quiz_->presentationDifference(false), QString());
        for (int b = 1; b <= 8; ++b)
            QVERIFY(quiz_->button(b)->isEnabled());
        QCOMPARE(quiz_->label(4)->text(), QString());
        QCOMPARE(quiz_->label(2)->text(), QStringLiteral("0"));
        quiz_->answerRight();
        QCOMPARE(quiz_->label(2)->text(), QStringLiteral("3000"));
    }

    void quitAsksThenShowsTheBoard()
    {
        quiz_->drawLayouts({1});
        quiz_->openAt(5, 0);
        app_->dialogs.yesNoAnswers = {false, true};
        quiz_->quit();
        QCOMPARE(app_->dialogs.asked.last().text, QStringLiteral("終了していいですか？"));
        QCOMPARE(app_->dialogs.asked.last().title, QStringLiteral("ぴよたの研修旅行2008"));
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
        quiz_->quit();
        QCOMPARE(app_->navigator.currentId(), ScreenId::History);
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
        QCOMPARE(app_->dialogs.asked.last().text, QStringLiteral("学習の記録を保存できませんでした。\nもう一度ためしてください。"));
        QCOMPARE(quiz_->label(4)->text(), QStringLiteral("違う"));
        QVERIFY(quiz_->button(9)->isEnabled());
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
        app_->media.clear();
        quiz_->button(1)->click(); // judged by no key: nothing to show
        QCOMPARE(quiz_->label(4)->text(), QString());
        QVERIFY(app_->media.cues().isEmpty());
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
    // The verdict shown in its colour, and the score after it.
    void checkVerdict(const QString &verdict, const QColor &colour, const QString &score) const
    {
        QCOMPARE(quiz_->label(4)->text(), verdict);
        QCOMPARE(quiz_->label(4)->palette().color(QPalette::WindowText), colour);
        QCOMPARE(quiz_->label(2)->text(), score);
    }

    std::optional<TestApp> app_;
    std::optional<QuizDriver> quiz_;
};

QTEST_MAIN(QuizScreenTest)
#include "tst_quiz_screen.moc"
