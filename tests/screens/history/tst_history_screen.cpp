// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board_cells.h"

#include "geometry.h"
#include "history/history_screen.h"
#include "history/history_text.h"
#include "common/follow_outcome.h"

#include <QPushButton>
#include <QTest>

using namespace piyota;
using namespace piyota::testing;

class HistoryScreenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        app_.emplace();
        app_->course.userCode = QStringLiteral("board");
    }

    void numbersAndTexts()
    {
        QCOMPARE(boardNumber(0), QStringLiteral(" 0"));
        QCOMPARE(boardNumber(12), QStringLiteral(" 12"));
        QCOMPARE(boardNumber(-3), QStringLiteral("-3"));
        QCOMPARE(boardNumber(41.0f), QStringLiteral(" 41"));
        QCOMPARE(boardNumber(43200.25f), QStringLiteral(" 43200.25"));
        QCOMPARE(boardNumber(-2.5f), QStringLiteral("-2.5"));
        QCOMPARE(progressSentence(5), QStringLiteral("あなたは、問題 5 番まで進んでいます。"));
        QCOMPARE(progressSentence(30), QStringLiteral("あなたは、問題 30 番まで進んでいます。"));
        const QStringList headings{problemHeading(1), problemHeading(2), problemHeading(9), problemHeading(10),
                                   problemHeading(30)};
        QCOMPARE(headings, (QStringList{QStringLiteral("問題 1"), QStringLiteral("問題 2 "), QStringLiteral("問題 9"),
                                        QStringLiteral("問題10"), QStringLiteral("問題30 終　了")}));
    }

    void theBoardAndItsGrid()
    {
        app_->navigator.show(ScreenId::History);
        const QWidget *board = app_->navigator.currentScreen();
        QCOMPARE(board->windowTitle(), QStringLiteral("  ぴよたの研修旅行2008(２次関数の巻) for Windows  制作：ぴよた開発チーム"));
        QCOMPARE(labelText(*app_, QStringLiteral("Label1")), QStringLiteral("学習の履歴"));
        QCOMPARE(labelText(*app_, QStringLiteral("Label5")),
                 QStringLiteral("以下には、各問題ごとのあなたの間違った回数と解答時間(秒)が示してあります。"));
        auto at = [board](const QString &name) { return board->findChild<QLabel *>(name)->geometry(); };
        QCOMPARE(at(QStringLiteral("Label6")), twipsRect(600, 1560, 615, 255));
        QCOMPARE(at(QStringLiteral("Lab(10)")), twipsRect(1200, 1560 + 9 * 360, 495, 255));
        QCOMPARE(at(QStringLiteral("zik(11)")), twipsRect(3720, 1560, 615, 255));
        QCOMPARE(at(QStringLiteral("Lab(24)")), twipsRect(5040, 1560 + 3 * 360, 495, 255));
        QCOMPARE(at(QStringLiteral("Label35")), twipsRect(4440, 1560 + 9 * 360, 615, 375));
        QCOMPARE(labelText(*app_, QStringLiteral("Label35")), QStringLiteral("問題30 終　了"));
    }

    // The rows the course gives for a quit during problem 13: misses up to
    // it, the seconds it has run so far, nothing after it.
    void aQuitShowsTheRowsUpToTheProblemInProgress()
    {
        app_->course.problemNo = 13;
        app_->course.score = 6000;
        for (int i = 1; i <= 12; ++i) {
            app_->course.missCount[i] = 1;
            app_->course.answerSeconds[i] = 30;
        }
        app_->course.missCount[13] = 2;
        app_->course.answerSeconds[13] = 40000.5f;
        app_->clock.now = 40100.75f;
        const Outcome quit = app_->session.quit();
        QCOMPARE(quit, Outcome{Saved{ScreenId::History}});
        followOutcome(app_->context, nullptr, quit);
        QCOMPARE(app_->navigator.currentId(), ScreenId::History);
        QStringList misses(12, QStringLiteral(" 1"));
        QCOMPARE(boardCells(*app_, QStringLiteral("Lab")), cellsThenEmpty(misses << QStringLiteral(" 2")));
        QStringList seconds(12, QStringLiteral(" 30"));
        QCOMPARE(boardCells(*app_, QStringLiteral("zik")), cellsThenEmpty(seconds << QStringLiteral(" 100")));
        QCOMPARE(labelText(*app_, QStringLiteral("Label3")), QStringLiteral("あなたは、問題 13 番まで進んでいます。"));
        QCOMPARE(labelText(*app_, QStringLiteral("Label4")), QStringLiteral("6000"));
    }

    void quitAsksFirstAndNoLeavesTheBoardSilent()
    {
        app_->navigator.show(ScreenId::History);
        app_->dialogs.yesNoAnswers = {false, true};
        auto *board = qobject_cast<HistoryScreen *>(app_->navigator.currentScreen());
        board->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(app_->dialogs.asked.last().text, QStringLiteral("終了していいですか？"));
        QCOMPARE(app_->dialogs.asked.last().title, QStringLiteral("ぴよたの研修旅行2006"));
        QCOMPARE(app_->navigator.currentId(), ScreenId::History);
        QVERIFY(!app_->exitCode);

        auto shown = [board](int image) {
            return board->findChild<QLabel *>(QStringLiteral("Image%1").arg(image))->isVisibleTo(board);
        };
        board->onBlinkTick();
        QCOMPARE((QList<bool>{shown(1), shown(2)}), (QList<bool>{false, true}));
        board->onBlinkTick();
        QCOMPARE((QList<bool>{shown(1), shown(2)}), (QList<bool>{true, false}));

        board->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(app_->exitCode, std::optional<int>(0));
    }

private:
    std::optional<TestApp> app_;
};

QTEST_MAIN(HistoryScreenTest)
#include "tst_history_screen.moc"
