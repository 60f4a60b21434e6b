// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz_screen.h"

#include "canvas.h"
#include "common/app_context.h"
#include "common/captions.h"
#include "common/controls.h"
#include "common/follow_outcome.h"
#include "common/frame_animation.h"
#include "common/keyboard.h"
#include "common/picture_names.h"
#include "common/score_text.h"
#include "course_session.h"
#include "dialogs.h"
#include "fonts.h"
#include "geometry.h"
#include "media_control.h"
#include "overloaded.h"
#include "palette.h"
#include "picture_files.h"
#include "question_printer.h"
#include "sound_cues.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace piyota {

using content::Overloaded;

namespace {

constexpr int kAnswerButtons = 8;
constexpr int kBlue = 1;
constexpr int kRed = 4;

} // namespace

QuizScreen::QuizScreen(AppContext &app, const QuizStage &stage)
    : Screen(app)
    , stage_(stage)
    , sound_(app.media.createControl())
{
    setWindowTitle(WindowTitle::quiz);
    setFixedSize(twipsSize(6615, 5655));
    buildControls();
}

QuizScreen::~QuizScreen() = default;

void QuizScreen::buildControls()
{
    const int dx = stage_.shiftTwips;
    questionBox_ = new Canvas(this, QStringLiteral("Picture1"), questionBox(dx));
    answerBox_ = new Canvas(this, QStringLiteral("Picture2"), {twipsRect(120 + dx, 2520, 6375, 1455), minchoFont(9)});
    hintBox_ = new Canvas(this, QStringLiteral("Picture3"), {twipsRect(1200 + dx, 4920, 4215, 615), minchoFont(9)});
    questionBox_->setAccessibleName(QStringLiteral("問題"));
    questionBox_->setFocusPolicy(Qt::TabFocus);
    answerBox_->setAccessibleName(QStringLiteral("解答群"));
    hintBox_->setAccessibleName(QStringLiteral("ヒント"));

    // The answer buttons stand inside the answer box, in two columns of four.
    const QPoint inside = answerBox_->contentsRect().topLeft();
    for (int b = 1; b <= kAnswerButtons; ++b) {
        const int column = (b - 1) / 4;
        const int row = (b - 1) % 4;
        QPushButton *button = addButton(answerBox_, QStringLiteral("Command%1").arg(b), QString(),
                                        column == 0 ? 240 : 3240, 240 + 240 * row, 2895, 255);
        button->move(button->pos() + inside);
        connect(button, &QPushButton::clicked, this, [this, b] { onAnswerClicked(b); });
        addPressKey(this, QKeySequence(Qt::Key_0 + b), button);
        answerButtons_[static_cast<std::size_t>(b - 1)] = button;
    }

    quitButton_ = addButton(this, QStringLiteral("Command10"), QStringLiteral("終了"), 120 + dx, 0, 855, 375);
    helpButton_ = addButton(this, QStringLiteral("Command9"), QStringLiteral("HELP"), 960 + dx, 0, 855, 375);
    nextButton_ = addButton(this, QStringLiteral("Command11"), QStringLiteral("次へ"), 5640 + dx, 0, 855, 375);
    connect(quitButton_, &QPushButton::clicked, this, &QuizScreen::onQuitClicked);
    connect(helpButton_, &QPushButton::clicked, this, &QuizScreen::onHelpClicked);
    connect(nextButton_, &QPushButton::clicked, this, &QuizScreen::onNextClicked);

    addLabel(this, QStringLiteral("Label1"), QStringLiteral("ぴよた得点"), 960 + dx, 4320, 1335, 255,
             gothicFont(11.25, true));
    scoreLabel_ = addLabel(this, QStringLiteral("Label2"), QString(), 2280 + dx, 4320, 855, 255,
                       gothicFont(11.25));
    addLabel(this, QStringLiteral("Label3"), QStringLiteral("ぴよた答え"), 3480 + dx, 4320, 1335, 255,
             gothicFont(11.25, true));
    verdictLabel_ = addLabel(this, QStringLiteral("Label4"), QString(), 4800 + dx, 4320, 855, 255,
                       minchoFont(9));

    // The character on both sides of the hint box, two frames each.
    const FramePair boy = Picture::boy();
    const std::array<QString, 4> frames{boy.first, boy.second, boy.second, boy.first};
    const std::array<int, 4> xs{5760, 5760, 240, 240};
    for (std::size_t i = 0; i < boyFrames_.size(); ++i)
        boyFrames_[i] = addImage(this, QStringLiteral("Image%1").arg(i + 1), frames[i], PictureName::wavingBoy,
                              xs[i] + dx, 4860, 615, 615);

    auto *blinkTimer = addTimer(this, QStringLiteral("Timer1"), 500);
    connect(blinkTimer, &QTimer::timeout, this, &QuizScreen::onBlinkTick);

    // Reading order. The focus starts on the question, where a screen reader
    // reads it out and a key pressed twice in a hurry answers nothing; 次へ
    // hands it back there, as it turns disabled.
    const auto &answers = answerButtons_;
    chainTabOrder({quitButton_, helpButton_, nextButton_, questionBox_, answers[0], answers[1], answers[2],
                   answers[3], answers[4], answers[5], answers[6], answers[7]});
    questionBox_->setFocus();
}

void QuizScreen::activate()
{
    nextButton_->setEnabled(false);
    std::visit(Overloaded{
                   [this](const ProblemToPresent &entry) {
                       printHints();
                       helpButton_->setEnabled(true);
                       if (entry.clearsPrevious)
                           clearProblem();
                       present(entry.problem, content::Presentation::OnActivation);
                       showScore();
                   },
                   [this](OtherStage) { printHints(); },
                   [this](const EndAfterFailure &end) { followRoute(app(), end); },
               },
               app().session.enterQuiz(stage_.stage));
}

void QuizScreen::onAnswerClicked(int button)
{
    switch (app().session.answer(button)) {
    case Verdict::NotJudged:
        return;
    case Verdict::Correct:
        sound_->play(cue::Answer{SoundFile::correct});
        nextButton_->setEnabled(true);
        helpButton_->setEnabled(false);
        showVerdict(QStringLiteral("正解"), kBlue);
        showScore();
        nextButton_->setFocus(); // the way on
        return;
    case Verdict::Wrong:
        sound_->play(cue::Answer{SoundFile::wrong});
        showVerdict(QStringLiteral("違う"), kRed);
        showScore();
        lockAnswers();
        // Whatever state the problem was in, it is locked now: the only way
        // on is the lecture.
        nextButton_->setEnabled(false);
        helpButton_->setEnabled(true);
        helpButton_->setFocus(); // the only way on
        return;
    }
}

void QuizScreen::onNextClicked()
{
    sound_->play(cue::Effect{SoundFile::forward});
    std::visit(Overloaded{
                   [this](Refused) { app().dialogs.beep(); },
                   [](OtherStage) {},
                   [this](NextProblem next) {
                       nextButton_->setEnabled(false);
                       helpButton_->setEnabled(true);
                       clearProblem();
                       present(next.problem, content::Presentation::AfterNext);
                   },
                   [this](const Outcome &outcome) { followOutcome(app(), this, outcome); },
               },
               app().session.next(stage_.stage));
}

void QuizScreen::onHelpClicked()
{
    sound_->play(cue::Effect{SoundFile::forward});
    std::visit(Overloaded{
                   [this](Refused) { app().dialogs.beep(); },
                   [this](const Outcome &outcome) {
                       // The answers stay locked until the way to the lecture is sure.
                       if (std::holds_alternative<Saved>(outcome))
                           enableAnswers();
                       followOutcome(app(), this, outcome);
                   },
               },
               app().session.help());
}

void QuizScreen::onQuitClicked()
{
    sound_->play(cue::Effect{SoundFile::quit});
    if (app().dialogs.askYesNo(this, Caption::quitQuestion, Caption::quizTitle))
        followOutcome(app(), this, app().session.quit());
}

void QuizScreen::onBlinkTick()
{
    alternateFrames(app().forms.*stage_.blinkState, {boyFrames_[0], boyFrames_[2]},
                    {boyFrames_[1], boyFrames_[3]});
}

void QuizScreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    const int dx = stage_.shiftTwips;
    painter.drawLine(twipsPoint(840 + dx, 4200), twipsPoint(5760 + dx, 4200));
    painter.drawLine(twipsPoint(840 + dx, 4680), twipsPoint(5760 + dx, 4680));
}

void QuizScreen::present(int problem, content::Presentation how)
{
    const auto layout = content::presentedLayout(problem, app().session.course().layoutNo, how);
    if (!layout)
        return;
    printQuestion(questionBox_->surface(), problem, *layout);
    answerBox_->surface().print(QStringLiteral("　解答群"));
    for (int b = 1; b <= content::kChoiceCount; ++b) {
        QPushButton *button = answerButtons_[static_cast<std::size_t>(b - 1)];
        button->setText(layout->captions[static_cast<std::size_t>(b - 1)]);
        button->setAccessibleName(button->text());
    }
    answerButtons_.back()->setText(content::kOtherChoiceCaption);
    answerButtons_.back()->setAccessibleName(content::kOtherChoiceCaption);
}

void QuizScreen::clearProblem()
{
    verdictLabel_->setText(QString()); // unlike clear(), tells screen readers the verdict has gone
    questionBox_->surface().clear();
    answerBox_->surface().clear();
}

void QuizScreen::showScore()
{
    scoreLabel_->setText(scoreText(app().session.course().score));
}

void QuizScreen::showVerdict(const QString &verdict, int paletteIndex)
{
    QPalette palette = verdictLabel_->palette();
    palette.setColor(QPalette::WindowText, paletteColor(paletteIndex));
    verdictLabel_->setPalette(palette);
    verdictLabel_->setText(verdict);
}

void QuizScreen::enableAnswers()
{
    for (QPushButton *button : answerButtons_)
        button->setEnabled(true);
}

void QuizScreen::lockAnswers()
{
    for (QPushButton *button : answerButtons_)
        button->setEnabled(false);
    Surface &hints = hintBox_->surface();
    hints.clear();
    hints.setForeColor(kRed);
    hints.print(QStringLiteral(" 間違いだぞ!!"));
    hints.print(QStringLiteral(" [HELP]をクリックするんだ!!"));
    hints.print(QStringLiteral(" [次へ]をクリックしても無駄だぞ!!"));
}

void QuizScreen::printHints()
{
    Surface &hints = hintBox_->surface();
    hints.print(QStringLiteral("「解答群の ｘ^2 は ｘの２乗 を表しているぞ！」"));
    hints.print(QStringLiteral("「解答群から正解を選び、ｸﾘｯｸしろよ！」"));
    hints.print(QStringLiteral("「分からなかったら〔HELP〕をｸﾘｯｸするんだな！」"));
}

} // namespace piyota
