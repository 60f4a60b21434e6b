// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/screen.h"

#include <array>
#include <memory>

class QLabel;

namespace piyota {

class MediaControl;

// The title with its music and waving character; "次へ" leads to the
// start menu, "終了" asks and ends the program.
class TitleScreen final : public Screen {
    Q_OBJECT
public:
    explicit TitleScreen(AppContext &app);
    ~TitleScreen() override;

    void activate() override;

public Q_SLOTS:
    void onNextClicked();
    void onQuitClicked();
    void onBlinkTick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<MediaControl> sound_;
    std::array<QLabel *, 2> boyFrames_{}; // the boy's two frames, one over the other
};

} // namespace piyota
