// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "common/app_context.h"
#include "common/form_state.h"
#include "common/screen.h"
#include "course_session.h"
#include "course_state.h"
#include "navigator.h"
#include "progress_file.h"
#include "screen_factory.h"
#include "user_code_lock.h"

#include <QDir>

namespace piyota {

// The platform services a program runs on: the real ones in main(), fakes
// in the tests.
struct PlatformServices {
    Clock &clock;
    Random &random;
    Dialogs &dialogs;
    MediaControlFactory &media;
};

// The program put together: the course's state and rules, its progress file
// and the lock of its user code in `workDir`, the screen switcher, and the
// context every screen is given. Show the first screen with
// navigator.show(); the navigator's programEnded() says when it is over.
struct Program {
    Program(const QDir &workDir, PlatformServices services, Navigator::ScreenFactory factory = createScreen);
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    CourseState course;
    FormStates forms;
    const ProgressFile progress;
    UserCodeLock codeLock;
    CourseSession session;
    Navigator navigator;
    AppContext context;
};

} // namespace piyota
