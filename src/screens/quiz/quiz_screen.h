#pragma once

#include "app/screen.h"
#include "content/course.h"
#include "quiz_stage.h"

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace piyota {

class Canvas;
class MediaControl;

// Form3 and Form7: presents one problem at a time, judges the eight answer
// buttons, and moves on with "次へ" once the answer is right. It leaves for
// the lecture ("HELP"), the roulette (end of a group) and the history board
// (quit), saving the progress file first.
class QuizScreen final : public Screen {
    Q_OBJECT
public:
    QuizScreen(AppContext &app, const QuizStage &stage);
    ~QuizScreen() override;

    void activate() override;

public Q_SLOTS:
    void answerClick(int button); // Command1..Command8
    void command11Click();        // 次へ
    void command9Click();         // HELP
    void command10Click();        // 終了
    void timer1Tick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();
    void drawLayoutFor(int problem);
    void present(int problem, content::Presentation how);
    void clearProblem();
    void showScore();
    void showVerdict(const QString &verdict, int paletteIndex);
    void enableAnswers();
    void lockAnswers();
    void printHints();

    const QuizStage &stage_;
    std::unique_ptr<MediaControl> mmControl1_;
    Canvas *picture1_ = nullptr;
    Canvas *picture2_ = nullptr;
    Canvas *picture3_ = nullptr;
    std::array<QPushButton *, 8> answerButtons_{};
    QPushButton *command9_ = nullptr;
    QPushButton *command10_ = nullptr;
    QPushButton *command11_ = nullptr;
    QLabel *label2_ = nullptr;
    QLabel *label4_ = nullptr;
    std::array<QLabel *, 4> images_{};
    QTimer *timer1_ = nullptr;
};

} // namespace piyota
