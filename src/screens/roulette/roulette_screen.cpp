// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roulette_screen.h"

#include "canvas.h"
#include "common/app_context.h"
#include "common/captions.h"
#include "common/controls.h"
#include "common/follow_outcome.h"
#include "common/form_state.h"
#include "common/frame_animation.h"
#include "common/keyboard.h"
#include "common/picture_names.h"
#include "common/score_text.h"
#include "course_session.h"
#include "fonts.h"
#include "geometry.h"
#include "media_control.h"
#include "palette.h"
#include "picture_files.h"
#include "sound_cues.h"
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
    , sound_(app.media.createControl())
{
    setWindowTitle(WindowTitle::roulette);
    setFixedSize(twipsSize(4680, 4065));
    buildControls();
}

RouletteScreen::~RouletteScreen() = default;

void RouletteScreen::buildControls()
{
    startButton_ = addButton(this, QStringLiteral("Command1"), QStringLiteral("Start"), 120, 0, 615, 375);
    stopButton_ = addButton(this, QStringLiteral("Command2"), QStringLiteral("Stop"), 720, 0, 615, 375);
    nextButton_ = addButton(this, QStringLiteral("Command3"), QStringLiteral("次へ"), 3960, 0, 615, 375);
    stopButton_->setEnabled(false);
    nextButton_->setEnabled(false);
    connect(startButton_, &QPushButton::clicked, this, &RouletteScreen::onStartClicked);
    connect(stopButton_, &QPushButton::clicked, this, &RouletteScreen::onStopClicked);
    connect(nextButton_, &QPushButton::clicked, this, &RouletteScreen::onNextClicked);

    wheel_ = new Canvas(this, QStringLiteral("Picture1"), {twipsRect(120, 480, 4455, 2895), roulette::labelFont()},
                        paletteColor(kWhite));
    wheel_->surface().setScale(0, 0, roulette::kCanvasWidth, roulette::kCanvasHeight);
    wheel_->setAccessibleName(QStringLiteral("ボーナスルーレット"));

    // The companion dances in the canvas's bottom-left corner, the boy waves
    // in its bottom-right one.
    const FramePair companion = Picture::companion();
    const FramePair boy = Picture::boy();
    companionFrames_[0] = addCanvasImage(QStringLiteral("Image3"), companion.first, PictureName::dancingChick, 120, 2160, 615);
    companionFrames_[1] = addCanvasImage(QStringLiteral("Image4"), companion.second, PictureName::dancingChick, 120, 2160, 615);
    boyFrames_[0] = addCanvasImage(QStringLiteral("Image1"), boy.first, PictureName::wavingBoy, 3720, 2160, 615);
    boyFrames_[1] = addCanvasImage(QStringLiteral("Image2"), boy.second, PictureName::wavingBoy, 3720, 2160, 612);

    addLabel(this, QStringLiteral("Label1"), QStringLiteral("ぴよた得点"), 960, 3600, 1335, 255,
             gothicFont(11.25, true));
    scoreLabel_ = addLabel(this, QStringLiteral("Label2"), QString(), 2280, 3600, 1095, 255, gothicFont(11.25));

    auto *blinkTimer = addTimer(this, QStringLiteral("Timer1"), 500);
    connect(blinkTimer, &QTimer::timeout, this, &RouletteScreen::onBlinkTick);
    // The spin's timers wait for Start and Stop.
    spinTimer_ = addTimer(this, QStringLiteral("Timer2"), 100);
    spinTimer_->stop();
    connect(spinTimer_, &QTimer::timeout, this, &RouletteScreen::onSpinTick);
    runOutTimer_ = addTimer(this, QStringLiteral("Timer3"), 150);
    runOutTimer_->stop();
    connect(runOutTimer_, &QTimer::timeout, this, &RouletteScreen::onRunOutTick);
    holdTimer_ = new QTimer(this);
    holdTimer_->setObjectName(QStringLiteral("HoldTimer"));
    holdTimer_->setSingleShot(true);
    connect(holdTimer_, &QTimer::timeout, this, &RouletteScreen::onHoldTimeout);

    chainTabOrder({startButton_, stopButton_, nextButton_});
    startButton_->setFocus();
}

// An image box placed in twips from the canvas's inner top-left corner.
QLabel *RouletteScreen::addCanvasImage(const QString &name, const QString &picture, const QString &description,
                                       int x, int y, int size)
{
    QLabel *image = addImage(wheel_, name, picture, description, x, y, size, size);
    image->move(image->pos() + wheel_->contentsRect().topLeft());
    return image;
}

void RouletteScreen::activate()
{
    eraseColor_ = kWhite;
    roulette::printSectorLabels(wheel_->surface());
    showScore();
    roulette::drawWheel(wheel_->surface());
    placeBall();
    paintBall();
    sound_->play(cue::Song{SoundFile::rouletteMusic});
}

void RouletteScreen::onStartClicked()
{
    sound_->play(cue::Effect{SoundFile::forward});
    startButton_->setEnabled(false);
    stopButton_->setEnabled(true);
    eraseBall();
    app().session.startSpin();
    placeBall();
    spinTimer_->start();
    stopButton_->setFocus(); // Start went out of reach
}

void RouletteScreen::onStopClicked()
{
    sound_->play(cue::Effect{SoundFile::forward});
    stopButton_->setEnabled(false);
    spinTimer_->stop();
    endHold();
    app().session.stopSpin();
    runOutTimer_->start();
}

void RouletteScreen::onNextClicked()
{
    sound_->play(cue::Effect{SoundFile::forward});
    followOutcome(app(), this, app().session.rouletteNext());
}

void RouletteScreen::onBlinkTick()
{
    alternateFrames(app().forms.rouletteBlink, {boyFrames_[0], companionFrames_[0]},
                    {boyFrames_[1], companionFrames_[1]});
}

void RouletteScreen::onSpinTick()
{
    endHold();
    app().session.spinTick();
    placeBall();
    holdBall(*spinTimer_);
}

void RouletteScreen::onRunOutTick()
{
    endHold();
    if (app().session.runOutTick() == RunOut::Running) {
        placeBall();
        holdBall(*runOutTimer_);
        return;
    }
    settle();
}

void RouletteScreen::onHoldTimeout()
{
    eraseBall();
}

// The ball has come to rest, and the course has paid its sector out.
void RouletteScreen::settle()
{
    showScore();
    paintBall(); // it stays where it came to rest
    runOutTimer_->stop();
    nextButton_->setEnabled(true);
    nextButton_->setFocus(); // the only way on
}

// Takes the ball's place from the course, for the next painting.
void RouletteScreen::placeBall()
{
    const QPointF centre = roulette::wheelPoint(app().session.ballAngle(), roulette::kTrackRadius);
    ballX_ = centre.x();
    ballY_ = centre.y();
}

void RouletteScreen::paintBall()
{
    roulette::paintBall(wheel_->surface(), {ballX_, ballY_}, kBrightRed);
}

void RouletteScreen::eraseBall()
{
    roulette::paintBall(wheel_->surface(), {ballX_, ballY_}, eraseColor_);
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
    scoreLabel_->setText(scoreText(app().session.course().score));
}

} // namespace piyota
