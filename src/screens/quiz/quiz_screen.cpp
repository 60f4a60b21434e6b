#include "quiz_screen.h"

#include "app/answer_time.h"
#include "app/app_context.h"
#include "app/navigator.h"
#include "app/progress_format.h"
#include "canvas/canvas.h"
#include "canvas/palette.h"
#include "pictures/picture_files.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/geometry.h"
#include "platform/random.h"
#include "question_printer.h"
#include "screens/common/captions.h"
#include "screens/common/controls.h"
#include "screens/common/frame_animation.h"
#include "screens/common/keyboard.h"
#include "screens/common/picture_names.h"
#include "screens/common/save_point.h"
#include "screens/history/show_history_board.h"
#include "sound/media_control.h"
#include "sound/sound_cues.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace piyota {

namespace {

constexpr int kAnswerButtons = 8;
constexpr int kScorePerAnswer = 3000;
constexpr int kBlue = 1;
constexpr int kRed = 4;

const QString kOtherCaption = QStringLiteral("その他");

// The course after 次へ on its solved problem p at the clock reading `now`:
// the whole seconds p took, the start time of the next problem within a
// group, and the next problem, which stays 30 after the last one.
CourseState movedOn(CourseState course, float now)
{
    const int p = course.problemNo;
    course.answerSeconds[p] = wholeSecondsBetween(course.answerSeconds[p], now);
    if (!endsGroup(p))
        course.answerSeconds[p + 1] = now;
    course.problemNo = static_cast<std::int16_t>(std::min(p + 1, content::kLastProblem));
    course.solvedFlag = 0;
    return course;
}

} // namespace

QuizScreen::QuizScreen(AppContext &app, const QuizStage &stage)
    : Screen(app)
    , stage_(stage)
    , mmControl1_(app.media.createControl())
{
    setWindowTitle(QStringLiteral("  ぴよたの研修旅行2008（２次関数の巻） for Windows  ")
                   + Caption::authorCredit);
    setFixedSize(twipsSize(6615, 5655));
    buildControls();
}

QuizScreen::~QuizScreen() = default;

void QuizScreen::buildControls()
{
    const int dx = stage_.shiftTwips;
    picture1_ = new Canvas(this, QStringLiteral("Picture1"), twipsRect(120 + dx, 360, 6375, 1935),
                           gothicFont(11.25));
    picture2_ = new Canvas(this, QStringLiteral("Picture2"), twipsRect(120 + dx, 2520, 6375, 1455),
                           minchoFont(9));
    picture3_ = new Canvas(this, QStringLiteral("Picture3"), twipsRect(1200 + dx, 4920, 4215, 615),
                           minchoFont(9));
    picture1_->setAccessibleName(QStringLiteral("問題"));
    picture1_->setFocusPolicy(Qt::TabFocus);
    picture2_->setAccessibleName(QStringLiteral("解答群"));
    picture3_->setAccessibleName(QStringLiteral("ヒント"));

    // The answer buttons stand inside the answer box, in two columns of four.
    const QPoint inside = picture2_->contentsRect().topLeft();
    for (int b = 1; b <= kAnswerButtons; ++b) {
        const int column = (b - 1) / 4;
        const int row = (b - 1) % 4;
        QPushButton *button = addButton(picture2_, QStringLiteral("Command%1").arg(b), QString(),
                                        column == 0 ? 240 : 3240, 240 + 240 * row, 2895, 255);
        button->move(button->pos() + inside);
        connect(button, &QPushButton::clicked, this, [this, b] { answerClick(b); });
        addPressKey(this, QKeySequence(Qt::Key_0 + b), button);
        answerButtons_[static_cast<std::size_t>(b - 1)] = button;
    }

    command10_ = addButton(this, QStringLiteral("Command10"), QStringLiteral("終了"), 120 + dx, 0, 855, 375);
    command9_ = addButton(this, QStringLiteral("Command9"), QStringLiteral("HELP"), 960 + dx, 0, 855, 375);
    command11_ = addButton(this, QStringLiteral("Command11"), QStringLiteral("次へ"), 5640 + dx, 0, 855, 375);
    connect(command10_, &QPushButton::clicked, this, &QuizScreen::command10Click);
    connect(command9_, &QPushButton::clicked, this, &QuizScreen::command9Click);
    connect(command11_, &QPushButton::clicked, this, &QuizScreen::command11Click);

    addLabel(this, QStringLiteral("Label1"), QStringLiteral("ぴよた得点"), 960 + dx, 4320, 1335, 255,
             gothicFont(11.25, true));
    label2_ = addLabel(this, QStringLiteral("Label2"), QString(), 2280 + dx, 4320, 855, 255,
                       gothicFont(11.25));
    addLabel(this, QStringLiteral("Label3"), QStringLiteral("ぴよた答え"), 3480 + dx, 4320, 1335, 255,
             gothicFont(11.25, true));
    label4_ = addLabel(this, QStringLiteral("Label4"), QString(), 4800 + dx, 4320, 855, 255,
                       minchoFont(9));

    // The character on both sides of the hint box, two frames each.
    const FramePair boy = Picture::boy();
    const std::array<QString, 4> frames{boy.first, boy.second, boy.second, boy.first};
    const std::array<int, 4> xs{5760, 5760, 240, 240};
    for (std::size_t i = 0; i < images_.size(); ++i)
        images_[i] = addImage(this, QStringLiteral("Image%1").arg(i + 1), frames[i], PictureName::wavingBoy,
                              xs[i] + dx, 4860, 615, 615);

    timer1_ = addTimer(this, QStringLiteral("Timer1"), 500);
    connect(timer1_, &QTimer::timeout, this, &QuizScreen::timer1Tick);

    // Reading order. The focus starts on the question, where a screen reader
    // reads it out and a key pressed twice in a hurry answers nothing; 次へ
    // hands it back there, as it turns disabled.
    const auto &answers = answerButtons_;
    chainTabOrder({command10_, command9_, command11_, picture1_, answers[0], answers[1], answers[2],
                   answers[3], answers[4], answers[5], answers[6], answers[7]});
    picture1_->setFocus();
}

void QuizScreen::activate()
{
    CourseState &course = app().course;
    command11_->setEnabled(false);
    if (!app().progress.loadProgress(course))
        return app().navigator.endProgramAfterFailure("cannot read the progress file of this user code");
    printHints();

    const int p = course.problemNo;
    if (!stage_.holds(p))
        return;
    if (course.layoutDrawn[p] == 0)
        drawLayoutFor(p);
    if (course.timeStarted[p] == 0 && (beginsGroup(p) || course.resumed == 1)) {
        course.answerSeconds[p] = app().clock.secondsSinceMidnight();
        ++course.timeStarted[p];
    }
    command11_->setEnabled(false);
    command9_->setEnabled(true);
    // A freshly loaded screen shows nothing yet; the first problem of the
    // course relies on that.
    if (p != content::kFirstProblem) {
        course.solvedFlag = 0;
        clearProblem();
    }
    present(p, content::Presentation::OnActivation);
    showScore();
}

void QuizScreen::answerClick(int button)
{
    CourseState &course = app().course;
    const auto correct = content::correctButton(course.problemNo, course.layoutNo);
    if (!correct)
        return;
    if (button == *correct) {
        if (course.solvedFlag == 1)
            return;
        playAnswerCue(*mmControl1_, SoundFile::correct);
        command11_->setEnabled(true);
        command9_->setEnabled(false);
        showVerdict(QStringLiteral("正解"), kBlue);
        course.solvedFlag = 1;
        course.score += kScorePerAnswer;
        showScore();
        command11_->setFocus(); // the way on
        return;
    }
    int &misses = course.missCount[course.problemNo];
    misses = std::min(misses + 1, int(std::numeric_limits<std::int16_t>::max()));
    playAnswerCue(*mmControl1_, SoundFile::wrong);
    showVerdict(QStringLiteral("違う"), kRed);
    course.solvedFlag = 0;
    course.score -= kScorePerAnswer;
    showScore();
    lockAnswers();
    // Whatever state the problem was in, it is locked now: the only way on
    // is the lecture.
    command11_->setEnabled(false);
    command9_->setEnabled(true);
    command9_->setFocus(); // the only way on
}

void QuizScreen::command11Click()
{
    CourseState &course = app().course;
    playEffectCue(*mmControl1_, SoundFile::forward);
    if (course.solvedFlag != 1) {
        app().dialogs.beep();
        return;
    }
    const int p = course.problemNo;
    if (!stage_.holds(p))
        return;
    if (endsGroup(p)) {
        // The roulette follows once the next problem is saved; until then
        // nothing has changed, and 次へ saves again.
        if (saveAndAdopt(app(), this, movedOn(course, app().clock.secondsSinceMidnight())))
            app().navigator.show(ScreenId::Roulette);
        return;
    }
    if (course.layoutDrawn[p + 1] == 0)
        drawLayoutFor(p + 1);
    course = movedOn(course, app().clock.secondsSinceMidnight());
    command11_->setEnabled(false);
    command9_->setEnabled(true);
    clearProblem();
    present(p + 1, content::Presentation::AfterNext);
}

void QuizScreen::command9Click()
{
    playEffectCue(*mmControl1_, SoundFile::forward);
    if (app().course.solvedFlag == 1) {
        app().dialogs.beep();
        return;
    }
    // The answers stay locked until the way to the lecture is sure.
    if (!saveBeforeLeaving(app(), this))
        return;
    enableAnswers();
    app().navigator.show(ScreenId::Lecture);
}

void QuizScreen::command10Click()
{
    playEffectCue(*mmControl1_, SoundFile::quit);
    if (!app().dialogs.askYesNo(this, Caption::quitQuestion, Caption::quizTitle))
        return;
    if (saveBeforeLeaving(app(), this))
        showHistoryBoard(app(), RunEnd::QuitDuringProblem);
}

void QuizScreen::timer1Tick()
{
    alternateFrames(app().forms.*stage_.blinkState, {images_[0], images_[2]}, {images_[1], images_[3]});
}

void QuizScreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    const int dx = stage_.shiftTwips;
    painter.drawLine(twipsPoint(840 + dx, 4200), twipsPoint(5760 + dx, 4200));
    painter.drawLine(twipsPoint(840 + dx, 4680), twipsPoint(5760 + dx, 4680));
}

void QuizScreen::drawLayoutFor(int problem)
{
    CourseState &course = app().course;
    app().random.seed(app().clock.secondsSinceMidnight());
    course.layoutNo = static_cast<std::int16_t>(static_cast<int>(app().random.next() * 3) + 1);
    ++course.layoutDrawn[problem];
}

void QuizScreen::present(int problem, content::Presentation how)
{
    const auto layout = content::presentedLayout(problem, app().course.layoutNo, how);
    if (!layout)
        return;
    printQuestion(*picture1_, problem, *layout);
    picture2_->print(QStringLiteral("　解答群"));
    for (int b = 1; b <= content::kChoiceCount; ++b) {
        QPushButton *button = answerButtons_[static_cast<std::size_t>(b - 1)];
        button->setText(layout->captions[static_cast<std::size_t>(b - 1)]);
        button->setAccessibleName(button->text());
    }
    answerButtons_.back()->setText(kOtherCaption);
    answerButtons_.back()->setAccessibleName(kOtherCaption);
}

void QuizScreen::clearProblem()
{
    label4_->setText(QString()); // unlike clear(), tells screen readers the verdict has gone
    picture1_->clear();
    picture2_->clear();
}

void QuizScreen::showScore()
{
    label2_->setText(QString::fromLatin1(formatScore(app().course.score)));
}

void QuizScreen::showVerdict(const QString &verdict, int paletteIndex)
{
    QPalette palette = label4_->palette();
    palette.setColor(QPalette::WindowText, paletteColor(paletteIndex));
    label4_->setPalette(palette);
    label4_->setText(verdict);
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
    picture3_->clear();
    picture3_->setForeColor(kRed);
    picture3_->print(QStringLiteral(" 間違いだぞ!!"));
    picture3_->print(QStringLiteral(" [HELP]をクリックするんだ!!"));
    picture3_->print(QStringLiteral(" [次へ]をクリックしても無駄だぞ!!"));
}

void QuizScreen::printHints()
{
    picture3_->print(QStringLiteral("「解答群の ｘ^2 は ｘの２乗 を表しているぞ！」"));
    picture3_->print(QStringLiteral("「解答群から正解を選び、ｸﾘｯｸしろよ！」"));
    picture3_->print(QStringLiteral("「分からなかったら〔HELP〕をｸﾘｯｸするんだな！」"));
}

} // namespace piyota
