#include "roulette_screen.h"

#include "app/app_context.h"
#include "app/navigator.h"
#include "app/progress_format.h"
#include "canvas/canvas.h"
#include "canvas/palette.h"
#include "content/course.h"
#include "pictures/picture_files.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/geometry.h"
#include "platform/random.h"
#include "roulette_outcome.h"
#include "screens/common/controls.h"
#include "screens/common/frame_animation.h"
#include "screens/common/keyboard.h"
#include "screens/common/picture_names.h"
#include "screens/common/save_point.h"
#include "screens/history/show_history_board.h"
#include "screens/quiz/quiz_stage.h"
#include "sound/media_control.h"
#include "sound/sound_cues.h"
#include "wheel_drawing.h"
#include "wheel_geometry.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace piyota {

namespace {

constexpr int kWhite = 15;
constexpr int kBrightRed = 12;
// A spin tick shows the ball for this share of its period, then erases it.
constexpr int kHoldPercent = 65;

} // namespace

RouletteScreen::RouletteScreen(AppContext &app)
    : Screen(app)
    , mmControl1_(app.media.createControl())
{
    setWindowTitle(QStringLiteral("  ぴよたの研修旅行2008 （ボーナスルーレット）"));
    setFixedSize(twipsSize(4680, 4065));
    buildControls();
}

RouletteScreen::~RouletteScreen() = default;

void RouletteScreen::buildControls()
{
    command1_ = addButton(this, QStringLiteral("Command1"), QStringLiteral("Start"), 120, 0, 615, 375);
    command2_ = addButton(this, QStringLiteral("Command2"), QStringLiteral("Stop"), 720, 0, 615, 375);
    command3_ = addButton(this, QStringLiteral("Command3"), QStringLiteral("次へ"), 3960, 0, 615, 375);
    command2_->setEnabled(false);
    command3_->setEnabled(false);
    connect(command1_, &QPushButton::clicked, this, &RouletteScreen::command1Click);
    connect(command2_, &QPushButton::clicked, this, &RouletteScreen::command2Click);
    connect(command3_, &QPushButton::clicked, this, &RouletteScreen::command3Click);

    picture1_ = new Canvas(this, QStringLiteral("Picture1"), twipsRect(120, 480, 4455, 2895),
                           roulette::labelFont(), paletteColor(kWhite));
    picture1_->setScale(0, 0, roulette::kCanvasWidth, roulette::kCanvasHeight);
    picture1_->setAccessibleName(QStringLiteral("ボーナスルーレット"));

    // The companion dances in the canvas's bottom-left corner, the boy waves
    // in its bottom-right one.
    const FramePair companion = Picture::companion();
    const FramePair boy = Picture::boy();
    images_[2] = addCanvasImage(QStringLiteral("Image3"), companion.first, PictureName::dancingChick, 120, 2160, 615);
    images_[3] = addCanvasImage(QStringLiteral("Image4"), companion.second, PictureName::dancingChick, 120, 2160, 615);
    images_[0] = addCanvasImage(QStringLiteral("Image1"), boy.first, PictureName::wavingBoy, 3720, 2160, 615);
    images_[1] = addCanvasImage(QStringLiteral("Image2"), boy.second, PictureName::wavingBoy, 3720, 2160, 612);

    addLabel(this, QStringLiteral("Label1"), QStringLiteral("ぴよた得点"), 960, 3600, 1335, 255,
             gothicFont(11.25, true));
    label2_ = addLabel(this, QStringLiteral("Label2"), QString(), 2280, 3600, 1095, 255, gothicFont(11.25));

    auto *timer1 = addTimer(this, QStringLiteral("Timer1"), 500);
    connect(timer1, &QTimer::timeout, this, &RouletteScreen::timer1Tick);
    // The spin's timers wait for Start and Stop.
    timer2_ = addTimer(this, QStringLiteral("Timer2"), 100);
    timer2_->stop();
    connect(timer2_, &QTimer::timeout, this, &RouletteScreen::timer2Tick);
    timer3_ = addTimer(this, QStringLiteral("Timer3"), 150);
    timer3_->stop();
    connect(timer3_, &QTimer::timeout, this, &RouletteScreen::timer3Tick);
    holdTimer_ = new QTimer(this);
    holdTimer_->setObjectName(QStringLiteral("HoldTimer"));
    holdTimer_->setSingleShot(true);
    connect(holdTimer_, &QTimer::timeout, this, &RouletteScreen::holdTimeout);

    chainTabOrder({command1_, command2_, command3_});
    command1_->setFocus();
}

// An image box placed in twips from the canvas's inner top-left corner.
QLabel *RouletteScreen::addCanvasImage(const QString &name, const QString &picture, const QString &description,
                                       int x, int y, int size)
{
    QLabel *image = addImage(picture1_, name, picture, description, x, y, size, size);
    image->move(image->pos() + picture1_->contentsRect().topLeft());
    return image;
}

void RouletteScreen::activate()
{
    eraseColor_ = kWhite;
    roulette::printSectorLabels(*picture1_);
    showScore();
    roulette::drawWheel(*picture1_);
    placeBall(0);
    paintBall();
    playMusicCue(*mmControl1_, SoundFile::rouletteMusic, MusicClose::LowerCase);
}

void RouletteScreen::command1Click()
{
    playEffectCue(*mmControl1_, SoundFile::forward);
    command1_->setEnabled(false);
    command2_->setEnabled(true);
    eraseBall();
    placeBall(0);
    timer2_->start();
    command2_->setFocus(); // Start went out of reach
}

void RouletteScreen::command2Click()
{
    playEffectCue(*mmControl1_, SoundFile::forward);
    command2_->setEnabled(false);
    timer2_->stop();
    endHold();
    app().random.seed(app().clock.secondsSinceMidnight());
    stopDraw_ = app().random.next();
    timer3_->start();
}

void RouletteScreen::command3Click()
{
    playEffectCue(*mmControl1_, SoundFile::forward);
    if (!saveBeforeLeaving(app(), this))
        return;
    const int problemNo = app().course.problemNo;
    if (problemNo <= QuizStage::stage1().lastProblem)
        app().navigator.show(ScreenId::Stage1Quiz);
    else if (problemNo < content::kLastProblem)
        app().navigator.show(ScreenId::Stage2Quiz);
    else if (saveBeforeLeaving(app(), this)) // the course is over: saved once more for the board
        showHistoryBoard(app(), RunEnd::CourseFinished);
}

void RouletteScreen::timer1Tick()
{
    alternateFrames(app().forms.rouletteBlink, {images_[0], images_[2]}, {images_[1], images_[3]});
}

void RouletteScreen::timer2Tick()
{
    endHold();
    placeBall(roulette::freeSpinStep(ballAngle_));
    holdBall(*timer2_);
}

void RouletteScreen::timer3Tick()
{
    endHold();
    if (const auto next = roulette::runOutStep(ballAngle_, stopDraw_)) {
        placeBall(*next);
        holdBall(*timer3_);
        return;
    }
    settle();
}

void RouletteScreen::holdTimeout()
{
    eraseBall();
}

void RouletteScreen::settle()
{
    app().course.score += roulette::outcomeAt(ballAngle_).scoreChange;
    showScore();
    paintBall(); // it stays where it came to rest
    timer3_->stop();
    command3_->setEnabled(true);
    command3_->setFocus(); // the only way on
}

void RouletteScreen::placeBall(double angle)
{
    ballAngle_ = angle;
    const QPointF centre = roulette::wheelPoint(angle, roulette::kTrackRadius);
    ballX_ = centre.x();
    ballY_ = centre.y();
}

void RouletteScreen::paintBall()
{
    roulette::paintBall(*picture1_, {ballX_, ballY_}, kBrightRed);
}

void RouletteScreen::eraseBall()
{
    roulette::paintBall(*picture1_, {ballX_, ballY_}, eraseColor_);
}

// Shows the ball for most of the tick's period; the hold timer erases it
// before the next tick is due, and the screen stays responsive meanwhile.
void RouletteScreen::holdBall(const QTimer &tick)
{
    paintBall();
    holdTimer_->start(tick.interval() * kHoldPercent / 100);
}

// A tick that comes while the previous ball is still held erases it first,
// so the ball is never seen twice.
void RouletteScreen::endHold()
{
    if (!holdTimer_->isActive())
        return;
    holdTimer_->stop();
    eraseBall();
}

void RouletteScreen::showScore()
{
    label2_->setText(QString::fromLatin1(formatScore(app().course.score)));
}

} // namespace piyota
