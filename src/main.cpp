// The program: shows the title screen and lets the navigator take the
// student through the course until a screen ends it.

#include "clock.h"
#include "desktop_identity.h"
#include "dialogs.h"
#include "first_frame.h"
#include "fonts.h"
#include "program.h"
#include "random.h"
#include "sound_system.h"
#include "translations.h"

#include <QApplication>
#include <QDir>

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

    SystemClock clock;
    SeededRandom random;
    QtDialogs dialogs;
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
