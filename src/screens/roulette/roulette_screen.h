// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/screen.h"

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace piyota {

class Canvas;
class MediaControl;

// The bonus roulette after every group of five problems. "Start" sets the
// ball running round the wheel, "Stop" lets it run out to a resting place
// drawn at random, whose sector changes the score once; "次へ" saves and goes
// on to the next quiz stage, or after the last problem to the learning
// history board. The course moves the ball and pays; the screen draws the
// wheel and shows the ball on its timers' ticks.
class RouletteScreen final : public Screen {
    Q_OBJECT
public:
    explicit RouletteScreen(AppContext &app);
    ~RouletteScreen() override;

    void activate() override;

public Q_SLOTS:
    void onStartClicked();
    void onStopClicked();
    void onNextClicked();
    void onBlinkTick();   // the figures' animation
    void onSpinTick();    // the free spin
    void onRunOutTick();  // the run-out
    void onHoldTimeout(); // the ball a spin tick showed goes

private:
    void buildControls();
    QLabel *addCanvasImage(const QString &name, const QString &picture, const QString &description, int x, int y,
                           int size);
    void placeBall();
    void paintBall();
    void eraseBall();
    void holdBall(const QTimer &tick);
    void endHold();
    void settle();
    void showScore();

    std::unique_ptr<MediaControl> sound_;
    Canvas *wheel_ = nullptr;
    QPushButton *startButton_ = nullptr;
    QPushButton *stopButton_ = nullptr;
    QPushButton *nextButton_ = nullptr;
    QLabel *scoreLabel_ = nullptr;
    std::array<QLabel *, 2> boyFrames_{};
    std::array<QLabel *, 2> companionFrames_{};
    QTimer *spinTimer_ = nullptr;
    QTimer *runOutTimer_ = nullptr;
    QTimer *holdTimer_ = nullptr;

    double ballX_ = 0;
    double ballY_ = 0;
    int eraseColor_ = 0;
};

} // namespace piyota
