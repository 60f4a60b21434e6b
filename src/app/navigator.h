// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/navigation.h"

#include <QObject>

#include <functional>
#include <memory>

namespace piyota {

class Screen;
struct AppContext;

// Switches between the screens: one is open at a time. Showing a screen
// creates its window, shows it, runs its activation once, then closes and
// destroys the previous one. Switching never ends the program; endProgram()
// does, and so does the close box of the open window.
class Navigator : public QObject, public Navigation {
    Q_OBJECT
public:
    using ScreenFactory = std::function<std::unique_ptr<Screen>(ScreenId, AppContext &)>;

    explicit Navigator(ScreenFactory factory);
    ~Navigator() override;

    // The context is made with the navigator in it, so it comes second.
    void setContext(AppContext &app) { app_ = &app; }

    void show(ScreenId id) override;
    void endProgram(int exitCode) override;
    void endProgramAfterFailure(const char *reason) override;

    Screen *currentScreen() const { return current_.get(); }
    ScreenId currentId() const { return currentId_; }

Q_SIGNALS:
    void programEnded(int exitCode);

private:
    ScreenFactory factory_;
    AppContext *app_ = nullptr;
    std::unique_ptr<Screen> current_;
    ScreenId currentId_ = ScreenId::Title;
    bool ended_ = false;
};

} // namespace piyota
