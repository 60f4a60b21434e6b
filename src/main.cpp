// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program: shows the title screen and lets the navigator take the
// student through the course until a screen ends it.
//
// The student's command (the launcher `piyota`) starts it as
// `piyota --sounds <folder of the installed sounds>`: it then works in the
// student's data folder, with the sounds copied there. Without that, as
// scripts/run starts it, it works in the current directory.

#include "clock.h"
#include "desktop_identity.h"
#include "dialogs.h"
#include "first_frame.h"
#include "fonts.h"
#include "program.h"
#include "random.h"
#include "sound_system.h"
#include "student_data_folder.h"
#include "translations.h"

#include <QApplication>
#include <QDir>
#include <QProcessEnvironment>

#include <optional>

namespace {

// The folder of the sounds that `--sounds <folder>` names.
std::optional<QDir> soundsArgument(const QStringList &arguments)
{
    const qsizetype option = arguments.indexOf(QStringLiteral("--sounds"));
    if (option < 0 || option + 1 >= arguments.size())
        return std::nullopt;
    return QDir(arguments[option + 1]);
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace piyota;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("piyota"));
    QApplication::setDesktopFileName(desktopFileName());
    // Screens are switched by closing one window and opening the next; the
    // navigator decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(gothicFont(9));
    installJapaneseTranslations(application);

    QtDialogs dialogs;
    // Only once the display is there: without one, nothing is made.
    if (const auto sounds = soundsArgument(QApplication::arguments());
        sounds && !openStudentDataFolder(dialogs, QProcessEnvironment::systemEnvironment(), desktopFileName(), *sounds))
        return 1;
    SystemClock clock;
    SeededRandom random;
    SoundSystem media; // after the application object, before the first screen
    Program program(QDir::current(), {clock, random, dialogs, media});
    Navigator &navigator = program.navigator;

    QObject::connect(&navigator, &Navigator::programEnded, &application, &QApplication::exit,
                     Qt::QueuedConnection);
    navigator.show(ScreenId::Title);
    // What the title's first frame does not need waits until it is on the
    // screen: the sound module, with the fifty libraries behind it, and the
    // window icon's pictures.
    runAfterFirstFrame([&media] {
        media.loadModule(SoundSystem::modulePathBesideProgram());
        QApplication::setWindowIcon(applicationIcon());
    });
    return QApplication::exec();
}
