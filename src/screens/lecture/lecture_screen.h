#pragma once

#include "app/screen.h"

#include <array>
#include <memory>

class QLabel;

namespace piyota {

class Canvas;
class MediaControl;
struct LecturePanels;

namespace content {
struct Lecture;
}

// Form5: the math doctor's lecture on the current problem. The introduction
// shows on opening, each "次へ" performs the next page, and after the last
// page (or at once on "EXIT") the quiz screen of the stage comes back.
class LectureScreen final : public Screen {
    Q_OBJECT
public:
    explicit LectureScreen(AppContext &app);
    ~LectureScreen() override;

    void activate() override;

public Q_SLOTS:
    void command1Click(); // 次へ
    void command2Click(); // EXIT
    void timer1Tick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    LecturePanels panels() const;
    void returnToQuiz(int problemNo);

    std::unique_ptr<MediaControl> mmControl1_;
    Canvas *picture1_;
    Canvas *picture2_;
    Canvas *picture3_;
    std::array<QLabel *, 4> images_{};
};

} // namespace piyota
