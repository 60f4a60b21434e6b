#include "start_menu_screen.h"

#include "app/app_context.h"
#include "app/navigator.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/geometry.h"
#include "screens/common/captions.h"
#include "screens/common/controls.h"
#include "screens/common/keyboard.h"
#include "sound/media_control.h"
#include "sound/sound_cues.h"

#include <QPushButton>

namespace piyota {

namespace {

const QString kDefaultCode = QStringLiteral("zq");
const QString kCodePrompt = QStringLiteral("半角８文字以内で、ユーザーコードを入力してください・・・");

} // namespace

StartMenuScreen::StartMenuScreen(AppContext &app)
    : Screen(app)
    , mmControl1_(app.media.createControl())
{
    setWindowTitle(QStringLiteral(" ぴよたの研修旅行2008(２次関数の巻) for Windows"));
    setFixedSize(twipsSize(4935, 870));
    auto *command1 = addButton(this, QStringLiteral("Command1"), QStringLiteral("初めからやる"), 600,
                               240, 1575, 375);
    auto *command2 = addButton(this, QStringLiteral("Command2"), QStringLiteral("前の続きからやる"),
                               2760, 240, 1575, 375);
    connect(command1, &QPushButton::clicked, this, &StartMenuScreen::command1Click);
    connect(command2, &QPushButton::clicked, this, &StartMenuScreen::command2Click);

    chainTabOrder({command1, command2});
    command1->setFocus();
}

StartMenuScreen::~StartMenuScreen() = default;

void StartMenuScreen::command1Click()
{
    CourseState &course = app().course;
    playEffectCue(*mmControl1_, SoundFile::forward);
    course.startFresh();
    QString code = askUserCode(QStringLiteral("ユーザーコード入力"));
    if (code.isEmpty())
        code = kDefaultCode;
    if (!claimCode(code))
        return;
    course.userCode = code;
    if (!app().progress.saveProgress(course))
        return app().navigator.endProgramAfterFailure("cannot write the progress file of this user code");
    app().navigator.show(ScreenId::Stage1Quiz);
}

void StartMenuScreen::command2Click()
{
    CourseState &course = app().course;
    playEffectCue(*mmControl1_, SoundFile::forward);
    course.resumed = 1;
    const QString code = askUserCode(QStringLiteral("  ユーザーコード入力"));
    if (!code.isEmpty()) {
        if (!claimCode(code))
            return;
        course.userCode = code;
        if (!app().progress.loadProgress(course))
            return app().navigator.endProgramAfterFailure("cannot read the progress file of this user code");
        course.answerSeconds[course.problemNo] = app().clock.secondsSinceMidnight();
    } else {
        if (!claimCode(kDefaultCode))
            return;
        course.problemNo = 1;
        course.score = 0;
        for (int i = 1; i <= kProblemCount; ++i)
            course.missCount[i] = 0;
        course.userCode = kDefaultCode;
        if (!app().progress.saveProgress(course))
            return app().navigator.endProgramAfterFailure("cannot write the progress file of this user code");
    }
    openQuizOfCurrentStage();
}

bool StartMenuScreen::claimCode(const QString &code)
{
    // Where no lock file can be made (a read-only folder, a code that names
    // no file) the program goes on without one: the progress file's own
    // read or save then decides.
    if (app().codeLock.take(code) != UserCodeLock::Result::InUse)
        return true;
    app().dialogs.inform(this, Caption::codeInUse, Caption::quizTitle);
    return false;
}

QString StartMenuScreen::askUserCode(const QString &title)
{
    return app().dialogs.inputText(this, kCodePrompt, title);
}

void StartMenuScreen::openQuizOfCurrentStage()
{
    const int problemNo = app().course.problemNo;
    if (problemNo <= 15)
        app().navigator.show(ScreenId::Stage1Quiz);
    else if (problemNo <= kProblemCount)
        app().navigator.show(ScreenId::Stage2Quiz);
}

} // namespace piyota
