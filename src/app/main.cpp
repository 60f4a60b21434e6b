// The program: shows the title screen and lets the navigator take the
// student through the course until a screen ends it.

#include "app/app_context.h"
#include "app/navigator.h"
#include "app/screen.h"
#include "identity/desktop_identity.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/first_frame.h"
#include "platform/fonts.h"
#include "platform/random.h"
#include "platform/translations.h"
#include "screens/screen_factory.h"
#include "sound/sound_system.h"

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
    CourseState course;
    FormStates forms;
    const ProgressFile progress(QDir::current());
    UserCodeLock codeLock(QDir::current());
    CourseSession session(course, progress, codeLock, clock, random);
    Navigator navigator(createScreen);
    AppContext app{session, course, forms, progress, codeLock, navigator, clock, random, dialogs, media};
    navigator.setContext(app);

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
