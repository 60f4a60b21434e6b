#pragma once

#include "app/screen.h"

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace piyota {

class Canvas;
class MediaControl;

// Form4: the bonus roulette after every group of five problems. "Start"
// sets the ball running round the wheel, "Stop" lets it run out to a resting
// place drawn at random, whose sector changes the score once; "次へ" saves
// and goes on to the next quiz stage, or after the last problem to the
// learning history board.
class RouletteScreen final : public Screen {
    Q_OBJECT
public:
    explicit RouletteScreen(AppContext &app);
    ~RouletteScreen() override;

    void activate() override;

public Q_SLOTS:
    void command1Click(); // Start
    void command2Click(); // Stop
    void command3Click(); // 次へ
    void timer1Tick();    // the figures' animation
    void timer2Tick();    // the free spin
    void timer3Tick();    // the run-out
    void holdTimeout();   // the ball a spin tick showed goes

private:
    void buildControls();
    QLabel *addCanvasImage(const QString &name, const QString &picture, const QString &description, int x, int y,
                           int size);
    void placeBall(double angle);
    void paintBall();
    void eraseBall();
    void holdBall(const QTimer &tick);
    void endHold();
    void settle();
    void showScore();

    std::unique_ptr<MediaControl> mmControl1_;
    Canvas *picture1_ = nullptr;
    QPushButton *command1_ = nullptr;
    QPushButton *command2_ = nullptr;
    QPushButton *command3_ = nullptr;
    QLabel *label2_ = nullptr;
    std::array<QLabel *, 4> images_{};
    QTimer *timer2_ = nullptr;
    QTimer *timer3_ = nullptr;
    QTimer *holdTimer_ = nullptr;

    double ballAngle_ = 0;
    double ballX_ = 0;
    double ballY_ = 0;
    double stopDraw_ = 0;
    int eraseColor_ = 0;
};

} // namespace piyota
