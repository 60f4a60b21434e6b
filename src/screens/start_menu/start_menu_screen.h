// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/screen.h"
#include "outcomes.h"

#include <memory>

namespace piyota {

class MediaControl;

// The start menu: asks for the user code, then has the course start afresh
// or continue from the progress file, and opens the quiz screen of the
// right stage. Any failure ends the program without a message, but for a
// code that another program works on: the student is told so and the menu
// stays.
class StartMenuScreen final : public Screen {
    Q_OBJECT
public:
    explicit StartMenuScreen(AppContext &app);
    ~StartMenuScreen() override;

public Q_SLOTS:
    void onStartAfreshClicked();
    void onContinueClicked();

private:
    QString askUserCode(const QString &title);
    void follow(const StartOutcome &outcome);

    std::unique_ptr<MediaControl> sound_;
};

} // namespace piyota
