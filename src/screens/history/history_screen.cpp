#include "history_screen.h"

#include "app/answer_time.h"
#include "app/app_context.h"
#include "app/navigator.h"
#include "app/progress_format.h"
#include "history_text.h"
#include "pictures/picture_files.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/geometry.h"
#include "screens/common/captions.h"
#include "screens/common/controls.h"
#include "screens/common/frame_animation.h"
#include "screens/common/picture_names.h"
#include "show_history_board.h"
#include "sound/media_control.h"
#include "sound/sound_cues.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace piyota {

namespace {

constexpr int kRowsPerColumn = 10;
constexpr int kGridTop = 1560;
constexpr int kRowPitch = 360;
constexpr int kColumnPitch = 1920; // between the three columns of problems
constexpr int kCellHeight = 255;
constexpr int kLastHeadingHeight = 375;

// A time cell: empty for a problem not come to.
QString timeCellText(float seconds)
{
    return seconds == 0 ? QString() : boardNumber(seconds);
}

} // namespace

HistoryScreen::HistoryScreen(AppContext &app)
    : Screen(app)
    , mmControl1_(app.media.createControl())
{
    setWindowTitle(QStringLiteral("  ぴよたの研修旅行2008(２次関数の巻) for Windows  ") + Caption::authorCredit);
    setFixedSize(twipsSize(6855, 5991));

    const FramePair boy = Picture::boy();
    image1_ = addImage(this, QStringLiteral("Image1"), boy.first, PictureName::wavingBoy, 720, 120, 615, 615);
    image2_ = addImage(this, QStringLiteral("Image2"), boy.second, PictureName::wavingBoy, 720, 120, 615, 615);
    addLabel(this, QStringLiteral("Label1"), QStringLiteral("学習の履歴"), 2520, 240, 1575, 375,
             gothicFont(14.25, true));
    auto *command1 = addButton(this, QStringLiteral("Command1"), QStringLiteral("終了"), 5280, 240, 855, 375);
    connect(command1, &QPushButton::clicked, this, &HistoryScreen::command1Click);
    command1->setFocus();
    label3_ = addLabel(this, QStringLiteral("Label3"), QString(), 360, 960, 4335, 255, gothicFont(9));
    addLabel(this, QStringLiteral("Label5"),
             QStringLiteral("以下には、各問題ごとのあなたの間違った回数と解答時間(秒)が示してあります。"),
             360, 1200, 6255, 255, gothicFont(9));
    buildGrid();
    addLabel(this, QStringLiteral("Label2"), QStringLiteral("得点"), 2520, 5400, 495, 255, gothicFont(12));
    label4_ = addLabel(this, QStringLiteral("Label4"), QString(), 3120, 5400, 735, 255, gothicFont(9));

    auto *timer1 = addTimer(this, QStringLiteral("Timer1"), 500);
    connect(timer1, &QTimer::timeout, this, &HistoryScreen::timer1Tick);
}

HistoryScreen::~HistoryScreen() = default;

// Three columns of ten problems: the heading, `Lab` and `zik` of each.
void HistoryScreen::buildGrid()
{
    for (int i = 1; i <= kProblemCount; ++i) {
        const int dx = (i - 1) / kRowsPerColumn * kColumnPitch;
        const int top = kGridTop + (i - 1) % kRowsPerColumn * kRowPitch;
        QLabel *heading = addLabel(this, QStringLiteral("Label%1").arg(i + 5), problemHeading(i), 600 + dx,
                                   top, 615, kCellHeight, gothicFont(9));
        if (i == kProblemCount) { // "問題30 終　了" goes on over a second line
            heading->resize(heading->width(), twipsToPixels(kLastHeadingHeight));
            heading->setWordWrap(true);
        }
        lab_[i] = addLabel(this, QStringLiteral("Lab(%1)").arg(i), QString(), 1200 + dx, top, 495,
                           kCellHeight, gothicFont(9));
        zik_[i] = addLabel(this, QStringLiteral("zik(%1)").arg(i), QString(), 1800 + dx, top, 615,
                           kCellHeight, gothicFont(9));
    }
}

void HistoryScreen::activate()
{
    playMusicCue(*mmControl1_, SoundFile::historyMusic, MusicClose::LowerCase);
    for (int i = 1; i <= kProblemCount; ++i)
        zik_[i]->setText(timeCellText(app().course.answerSeconds[i]));
}

void HistoryScreen::fillIn(RunEnd end)
{
    const CourseState &course = app().course;
    label3_->setText(progressSentence(course.problemNo));
    for (int i = 1; i <= kProblemCount; ++i)
        lab_[i]->setText(course.missText[i]);
    label4_->setText(QString::fromLatin1(formatScore(course.score)));

    // The unfinished problem holds the clock reading it was started at; its
    // cell shows the whole seconds spent on it so far instead.
    const int current = course.problemNo;
    if (end == RunEnd::QuitDuringProblem && current >= 1 && course.answerSeconds[current] != 0) {
        const float now = app().clock.secondsSinceMidnight();
        zik_[current]->setText(boardNumber(wholeSecondsBetween(course.answerSeconds[current], now)));
    }
}

void HistoryScreen::command1Click()
{
    playEffectCue(*mmControl1_, SoundFile::quit);
    if (app().dialogs.askYesNo(this, Caption::quitQuestion, Caption::programEndTitle))
        app().navigator.endProgram(0);
}

void HistoryScreen::timer1Tick()
{
    alternateFrames(app().forms.historyBlink, {image1_}, {image2_});
}

} // namespace piyota
