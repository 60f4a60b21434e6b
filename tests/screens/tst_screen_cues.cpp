// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every sound of every screen: the cue each activation and each button plays,
// and the screen's media control going with the screen, which ends its music.
#include "quiz/quiz_driver.h"
#include "roulette/roulette_driver.h"

#include <QTest>

using namespace piyota;
using namespace piyota::testing;

// What brings a screen or a button into play, or the event whose cues are heard.
using Step = void (*)(TestApp &app);
Q_DECLARE_METATYPE(Step)

namespace {

// The course's files, written out here rather than taken from the program.
const cue::Effect kForward{QStringLiteral("pinpon.wav")};
const cue::Effect kQuit{QStringLiteral("endpinpon.wav")};
const cue::Answer kCorrect{QStringLiteral("Chimes.wav")};
const cue::Answer kWrong{QStringLiteral("Chimes2.wav")};
const cue::Song kTitleSong{QStringLiteral("passport.mid")};
const cue::Song kRouletteSong{QStringLiteral("Canyon.mid")};
const cue::Song kBoardSong{QStringLiteral("bahha.rmi")};

void click(TestApp &app, const QString &button)
{
    QPushButton *found = app.navigator.currentScreen()->findChild<QPushButton *>(button);
    QVERIFY2(found && found->isEnabled(), qPrintable(button + QStringLiteral(" cannot be clicked")));
    found->click();
}

template <int Number>
void clickCommand(TestApp &app)
{
    click(app, QStringLiteral("Command%1").arg(Number));
}

void nothing(TestApp &) {}
void openTitle(TestApp &app) { app.navigator.show(ScreenId::Title); }
void openStartMenu(TestApp &app) { app.navigator.show(ScreenId::StartMenu); }
void openHistory(TestApp &app) { app.navigator.show(ScreenId::History); }

void startWithACode(TestApp &app)
{
    app.dialogs.inputAnswers = {QStringLiteral("kenta")};
    click(app, QStringLiteral("Command1"));
}

// The quiz screen of the stage that holds the problem.
template <int Problem>
void openQuiz(TestApp &app)
{
    QuizDriver(app).openAt(Problem);
}
template <int Problem>
void answeredRight(TestApp &app)
{
    openQuiz<Problem>(app);
    QuizDriver(app).answerRight();
}
template <int Problem>
void answeredWrong(TestApp &app)
{
    openQuiz<Problem>(app);
    QuizDriver(app).answerWrong();
}
void answerRight(TestApp &app) { QuizDriver(app).answerRight(); }
void answerWrong(TestApp &app) { QuizDriver(app).answerWrong(); }

void openLecture(TestApp &app)
{
    app.course.userCode = QStringLiteral("zq");
    app.course.problemNo = 1;
    QVERIFY(writeBytes(app.filePath(QStringLiteral("zq.ucd")), progressFileAt(1, 0))); // for the way back
    app.navigator.show(ScreenId::Lecture);
}

void openRoulette(TestApp &app)
{
    app.course.userCode = QStringLiteral("zq");
    app.course.problemNo = 6;
    app.navigator.show(ScreenId::Roulette);
}
void started(TestApp &app)
{
    openRoulette(app);
    click(app, QStringLiteral("Command1"));
}
void ballAtRest(TestApp &app)
{
    openRoulette(app);
    RouletteDriver(app).spin(0.5f);
}

struct CueRow {
    QByteArray name;
    Step prepare; // brings the button into play
    Step event;   // whose cues are heard
    QList<SoundCue> cues;
};

template <int Problem>
void addQuizRows(std::vector<CueRow> &rows, const QByteArray &stage)
{
    rows.push_back({stage + " opens", nothing, openQuiz<Problem>, {}});
    rows.push_back({stage + " right answer", openQuiz<Problem>, answerRight, {kCorrect}});
    rows.push_back({stage + " wrong answer", openQuiz<Problem>, answerWrong, {kWrong}});
    rows.push_back({stage + " HELP", answeredWrong<Problem>, clickCommand<9>, {kForward}});
    rows.push_back({stage + " 次へ", answeredRight<Problem>, clickCommand<11>, {kForward}});
    rows.push_back({stage + " 終了, then No", openQuiz<Problem>, clickCommand<10>, {kQuit}});
}

std::vector<CueRow> makeCueTable()
{
    std::vector<CueRow> rows{
        {"title opens", nothing, openTitle, {kTitleSong}},
        {"title 次へ", openTitle, clickCommand<1>, {kForward}},
        {"title 終了, then No", openTitle, clickCommand<2>, {kQuit}},
        {"start menu opens", nothing, openStartMenu, {}},
        {"start menu 初めからやる", openStartMenu, startWithACode, {kForward}},
        {"start menu 前の続きからやる", openStartMenu, clickCommand<2>, {kForward}},
        {"lecture opens", nothing, openLecture, {}},
        {"lecture 次へ", openLecture, clickCommand<1>, {}},
        {"lecture EXIT", openLecture, clickCommand<2>, {kForward}},
        {"roulette opens", nothing, openRoulette, {kRouletteSong}},
        {"roulette Start", openRoulette, clickCommand<1>, {kForward}},
        {"roulette Stop", started, clickCommand<2>, {kForward}},
        {"roulette 次へ", ballAtRest, clickCommand<3>, {kForward}},
        {"board opens", nothing, openHistory, {kBoardSong}},
        {"board 終了, then No", openHistory, clickCommand<1>, {kQuit}},
    };
    addQuizRows<1>(rows, "stage 1 quiz");
    addQuizRows<16>(rows, "stage 2 quiz");
    return rows;
}

const std::vector<CueRow> &cueTable()
{
    static const std::vector<CueRow> rows = makeCueTable();
    return rows;
}

} // namespace

class ScreenCuesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { app_.emplace(); }

    void eachEventPlaysItsCue_data()
    {
        QTest::addColumn<std::size_t>("row");
        for (std::size_t row = 0; row < cueTable().size(); ++row)
            QTest::newRow(cueTable()[row].name.constData()) << row;
    }

    void eachEventPlaysItsCue()
    {
        QFETCH(std::size_t, row);
        const CueRow &expected = cueTable()[row];
        expected.prepare(*app_);
        app_->media.clear();
        expected.event(*app_);
        QCOMPARE(app_->media.cues(), expected.cues);
    }

    // Start ends the roulette's music, and nothing brings it back while the
    // ball runs or rests.
    void theRouletteMusicEndsForGoodWithStart()
    {
        ballAtRest(*app_);
        QCOMPARE(app_->media.cues(), (QList<SoundCue>{kRouletteSong, kForward, kForward}));
    }

    void aClosingScreenTakesItsControlWithIt_data()
    {
        QTest::addColumn<Step>("open");
        QTest::newRow("title") << Step(openTitle);
        QTest::newRow("start menu") << Step(openStartMenu);
        QTest::newRow("stage 1 quiz") << Step(openQuiz<1>);
        QTest::newRow("stage 2 quiz") << Step(openQuiz<16>);
        QTest::newRow("lecture") << Step(openLecture);
        QTest::newRow("roulette") << Step(openRoulette);
        QTest::newRow("board") << Step(openHistory);
    }

    void aClosingScreenTakesItsControlWithIt()
    {
        QFETCH(Step, open);
        open(*app_);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(app_->media.livingControls(), 1);
        app_->navigator.endProgram(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(app_->media.livingControls(), 0);
    }

    void switchingScreensLeavesTheNewScreensControlAlone()
    {
        openTitle(*app_);
        openStartMenu(*app_);
        QCOMPARE(app_->media.livingControls(), 2); // the title goes once the handler that closed it returns
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(app_->media.livingControls(), 1);
    }

private:
    std::optional<TestApp> app_;
};

QTEST_MAIN(ScreenCuesTest)
#include "tst_screen_cues.moc"
