// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "navigator.h"

#include "common/screen.h"

#include <cstdio>

namespace piyota {

namespace {

constexpr int kFailureExitCode = 1;

// A screen's handler may switch screens while it runs, so the window it
// belongs to is destroyed from the event loop, not under its feet.
void retire(std::unique_ptr<Screen> screen)
{
    if (!screen)
        return;
    screen->closeForSwitch();
    screen.release()->deleteLater();
}

} // namespace

Navigator::Navigator(ScreenFactory factory)
    : factory_(std::move(factory))
{
}

Navigator::~Navigator()
{
    if (current_)
        current_->closeForSwitch();
}

void Navigator::show(ScreenId id)
{
    if (ended_)
        return;
    std::unique_ptr<Screen> next = factory_(id, *app_);
    next->show();
    std::unique_ptr<Screen> previous = std::exchange(current_, std::move(next));
    currentId_ = id;
    Screen *shown = current_.get();
    shown->activate();
    retire(std::move(previous));
}

void Navigator::endProgramAfterFailure(const char *reason)
{
    std::fprintf(stderr, "piyota: %s\n", reason);
    endProgram(kFailureExitCode);
}

void Navigator::endProgram(int exitCode)
{
    if (ended_)
        return;
    ended_ = true;
    retire(std::move(current_));
    Q_EMIT programEnded(exitCode);
}

} // namespace piyota
