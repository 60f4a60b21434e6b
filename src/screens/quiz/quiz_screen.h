// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/screen.h"
#include "course.h"
#include "quiz_stage.h"

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace piyota {

class Canvas;
class MediaControl;

// The quiz screen of either stage: presents one problem at a time, has the
// course judge the eight answer buttons, and moves on with "次へ" once the
// answer is right. It leaves for the lecture ("HELP"), the roulette (end of
// a group) and the history board (quit), as the course says.
class QuizScreen final : public Screen {
    Q_OBJECT
public:
    QuizScreen(AppContext &app, const QuizStage &stage);
    ~QuizScreen() override;

    void activate() override;

public Q_SLOTS:
    void onAnswerClicked(int button); // 1..8
    void onNextClicked();
    void onHelpClicked();
    void onQuitClicked();
    void onBlinkTick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();
    void present(int problem, content::Presentation how);
    void clearProblem();
    void showScore();
    void showVerdict(const QString &verdict, int paletteIndex);
    void enableAnswers();
    void lockAnswers();
    void printHints();

    const QuizStage &stage_;
    std::unique_ptr<MediaControl> sound_;
    Canvas *questionBox_ = nullptr;
    Canvas *answerBox_ = nullptr;
    Canvas *hintBox_ = nullptr;
    std::array<QPushButton *, 8> answerButtons_{};
    QPushButton *helpButton_ = nullptr;
    QPushButton *quitButton_ = nullptr;
    QPushButton *nextButton_ = nullptr;
    QLabel *scoreLabel_ = nullptr;
    QLabel *verdictLabel_ = nullptr;
    std::array<QLabel *, 4> boyFrames_{}; // right of the hint box two, left of it two
};

} // namespace piyota
