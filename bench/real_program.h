#pragma once

#include "fakes/fake_platform.h"

#include "app/app_context.h"
#include "app/navigator.h"
#include "app/screen.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/random.h"
#include "platform/translations.h"
#include "screens/screen_factory.h"
#include "sound/sound_system.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

namespace piyota::bench {

// The program as main() puts it together, in the working directory: the real
// screens, clock, random numbers, sound and progress file; only the dialogs
// answer from a script, so that a benchmark can drive it by its buttons.
// Make it after the application object, prepared with prepareApplication().
struct RealProgram {
    RealProgram()
    {
        media.loadModule(SoundSystem::modulePathBesideProgram());
        navigator.setContext(context);
    }

    static void prepareApplication(QApplication &application)
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QApplication::setFont(gothicFont(9));
        installJapaneseTranslations(application);
    }

    // Clicks a button of the open screen, then lets the event loop paint
    // and play for a moment, as between two clicks of a student.
    void click(const QString &name)
    {
        if (QPushButton *target = button(name))
            target->click();
        settle();
    }
    QPushButton *button(const QString &name) const
    {
        return navigator.currentScreen()->findChild<QPushButton *>(name);
    }
    static void settle() { QTest::qWait(20); }

    SystemClock clock;
    SeededRandom random;
    testing::FakeDialogs dialogs;
    SoundSystem media;
    CourseState course;
    FormStates forms;
    ProgressFile progress{QDir::current()};
    UserCodeLock codeLock{QDir::current()};
    CourseSession session{course, progress, codeLock, clock, random};
    Navigator navigator{createScreen};
    AppContext context{session, course, forms, progress, codeLock, navigator, clock, random, dialogs, media};
};

} // namespace piyota::bench
