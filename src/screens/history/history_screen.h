// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/screen.h"
#include "course_state.h"

#include <array>
#include <memory>

class QLabel;

namespace piyota {

class MediaControl;

// The learning history board that ends a run. It shows how far the
// student came, the score, and per problem the wrong answers (`Lab`) and the
// seconds taken (`zik`); "終了" asks and ends the program.
class HistoryScreen final : public Screen {
    Q_OBJECT
public:
    explicit HistoryScreen(AppContext &app);
    ~HistoryScreen() override;

    // Plays the board's music and shows how far the student came: the
    // progress sentence, the rows of wrong answers and seconds as the course
    // gives them, and the score.
    void activate() override;

public Q_SLOTS:
    void onQuitClicked();
    void onBlinkTick();

private:
    void buildGrid();

    std::unique_ptr<MediaControl> sound_;
    std::array<QLabel *, 2> boyFrames_{};
    QLabel *progressLabel_ = nullptr;
    QLabel *scoreLabel_ = nullptr;
    PerProblem<QLabel *> missCells_{};    // `Lab`
    PerProblem<QLabel *> secondsCells_{}; // `zik`
};

} // namespace piyota
