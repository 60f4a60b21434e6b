#pragma once

#include "app/screen.h"

#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace piyota {

class MediaControl;

// Form1: the title with its music and waving character; "次へ" leads to the
// start menu, "終了" asks and ends the program.
class TitleScreen final : public Screen {
    Q_OBJECT
public:
    explicit TitleScreen(AppContext &app);
    ~TitleScreen() override;

    void activate() override;

public Q_SLOTS:
    void command1Click(); // 次へ
    void command2Click(); // 終了
    void timer1Tick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<MediaControl> mmControl1_;
    QPushButton *command1_;
    QPushButton *command2_;
    QLabel *image1_;
    QLabel *image3_;
    QTimer *timer1_;
};

} // namespace piyota
