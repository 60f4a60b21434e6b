// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/screen.h"

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

// The math doctor's lecture on the current problem. The introduction
// shows on opening, each "次へ" performs the next page, and after the last
// page (or at once on "EXIT") the quiz screen of the stage comes back.
class LectureScreen final : public Screen {
    Q_OBJECT
public:
    explicit LectureScreen(AppContext &app);
    ~LectureScreen() override;

    void activate() override;

public Q_SLOTS:
    void onNextClicked();
    void onExitClicked();
    void onBlinkTick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    LecturePanels panels() const;

    std::unique_ptr<MediaControl> sound_;
    Canvas *textPanel_;
    Canvas *graphPanel_;
    Canvas *speechBox_;
    std::array<QLabel *, 2> boyFrames_{};
    std::array<QLabel *, 2> doctorFrames_{};
};

} // namespace piyota
