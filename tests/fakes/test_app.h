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
// directory: the real screens, navigator, course state, progress file and
// lock of the user code.
struct TestApp {
    explicit TestApp(Navigator::ScreenFactory factory = createScreen)
        : navigator(std::move(factory))
    {
        connectNavigator();
    }

    // The program working in a directory that another one may share.
    explicit TestApp(const QString &sharedDirectory)
        : directory(sharedDirectory)
        , navigator(createScreen)
    {
        connectNavigator();
    }

    QString filePath(const QString &name) const { return directory.filePath(name); }

    QTemporaryDir workDir; // the working directory, unless one is shared
    QDir directory{workDir.path()};
    CourseState course;
    FormStates forms;
    ProgressFile progress{directory};
    UserCodeLock codeLock{directory};
    FakeClock clock;
    FakeRandom random;
    FakeDialogs dialogs;
    RecordingMediaControlFactory media;
    CourseSession session{course, progress, codeLock, clock, random};
    Navigator navigator;
    AppContext context{session, course, forms, progress, codeLock, navigator, clock, random, dialogs, media};
    std::optional<int> exitCode;

private:
    void connectNavigator()
    {
        navigator.setContext(context);
        QObject::connect(&navigator, &Navigator::programEnded, [this](int code) { exitCode = code; });
    }
};

} // namespace piyota::testing
