// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakes/fake_platform.h"

#include "clock.h"
#include "common/screen.h"
#include "fonts.h"
#include "program.h"
#include "random.h"
#include "sound_system.h"
#include "translations.h"

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
    Program program{QDir::current(), {clock, random, dialogs, media}};
    CourseState &course = program.course;
    const ProgressFile &progress = program.progress;
    Navigator &navigator = program.navigator;
    AppContext &context = program.context;
};

} // namespace piyota::bench
