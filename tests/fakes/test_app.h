// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fake_platform.h"
#include "recording_media_control.h"

#include "common/screen.h"
#include "program.h"

#include <QDir>
#include <QTemporaryDir>

#include <optional>

namespace piyota::testing {

// The whole program over fake platform services, in a fresh working
// directory: the real screens, navigator, course state, progress file and
// lock of the user code, wired as the program wires them.
struct TestApp {
    explicit TestApp(Navigator::ScreenFactory factory = createScreen)
        : TestApp(QString(), std::move(factory))
    {
    }

    // The program working in a directory that another one may share.
    explicit TestApp(const QString &sharedDirectory, Navigator::ScreenFactory factory = createScreen)
        : directory(sharedDirectory.isEmpty() ? workDir.path() : sharedDirectory)
        , program(directory, {clock, random, dialogs, media}, std::move(factory))
    {
        QObject::connect(&navigator, &Navigator::programEnded, [this](int code) { exitCode = code; });
    }

    QString filePath(const QString &name) const { return directory.filePath(name); }

    QTemporaryDir workDir; // the working directory, unless one is shared
    QDir directory;
    FakeClock clock;
    FakeRandom random;
    FakeDialogs dialogs;
    RecordingMediaControlFactory media;
    Program program;
    CourseState &course = program.course;
    FormStates &forms = program.forms;
    const ProgressFile &progress = program.progress;
    UserCodeLock &codeLock = program.codeLock;
    CourseSession &session = program.session;
    Navigator &navigator = program.navigator;
    AppContext &context = program.context;
    std::optional<int> exitCode;
};

} // namespace piyota::testing
