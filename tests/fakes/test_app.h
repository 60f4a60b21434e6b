#pragma once

#include "fake_platform.h"
#include "recording_media_control.h"

#include "app/app_context.h"
#include "app/navigator.h"
#include "app/screen.h"
#include "screens/screen_factory.h"

#include <QDir>
#include <QTemporaryDir>

#include <optional>

namespace piyota::testing {

// The whole program over fake platform services, in a fresh working
// directory: the real screens, navigator, course state and progress file.
struct TestApp {
    explicit TestApp(Navigator::ScreenFactory factory = createScreen)
        : navigator(std::move(factory))
    {
        navigator.setContext(context);
        QObject::connect(&navigator, &Navigator::programEnded,
                         [this](int code) { exitCode = code; });
    }

    QString filePath(const QString &name) const { return QDir(workDir.path()).filePath(name); }

    QTemporaryDir workDir;
    CourseState course;
    FormStates forms;
    ProgressFile progress{QDir(workDir.path())};
    FakeClock clock;
    FakeRandom random;
    FakeDialogs dialogs;
    RecordingMediaControlFactory media;
    Navigator navigator;
    AppContext context{course, forms, progress, navigator, clock, random, dialogs, media};
    std::optional<int> exitCode;
};

} // namespace piyota::testing
