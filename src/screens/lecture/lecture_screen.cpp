#include "lecture_screen.h"

#include "app/app_context.h"
#include "app/navigator.h"
#include "canvas/canvas.h"
#include "content/course.h"
#include "content/lectures/lecture.h"
#include "page_player.h"
#include "pictures/picture_files.h"
#include "platform/fonts.h"
#include "platform/geometry.h"
#include "screens/common/captions.h"
#include "screens/common/controls.h"
#include "screens/common/frame_animation.h"
#include "screens/common/keyboard.h"
#include "screens/common/picture_names.h"
#include "sound/media_control.h"
#include "sound/sound_cues.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace piyota {

namespace {

constexpr int kLastStage1Problem = 15;

} // namespace

LectureScreen::LectureScreen(AppContext &app)
    : Screen(app)
    , mmControl1_(app.media.createControl())
{
    setWindowTitle(QStringLiteral("  ぴよたの研修旅行2008(２次関数の巻) for Windows  ") + Caption::authorCredit);
    setFixedSize(twipsSize(7080, 4845));

    auto *command2 = addButton(this, QStringLiteral("Command2"), QStringLiteral("EXIT"), 120, 0, 855, 375);
    auto *command1 = addButton(this, QStringLiteral("Command1"), QStringLiteral("次へ"), 6120, 0, 855, 375);
    connect(command2, &QPushButton::clicked, this, &LectureScreen::command2Click);
    connect(command1, &QPushButton::clicked, this, &LectureScreen::command1Click);

    picture1_ = new Canvas(this, QStringLiteral("Picture1"), twipsRect(120, 480, 3375, 3375), gothicFont(11.25));
    picture2_ = new Canvas(this, QStringLiteral("Picture2"), twipsRect(3600, 480, 3375, 3375), gothicFont(11.25));
    picture3_ = new Canvas(this, QStringLiteral("Picture3"), twipsRect(1320, 4080, 4455, 615), minchoFont(9));
    picture1_->setAccessibleName(QStringLiteral("説明"));
    picture1_->setFocusPolicy(Qt::TabFocus); // to have the page read out
    picture2_->setAccessibleName(QStringLiteral("グラフ"));
    picture3_->setAccessibleName(QStringLiteral("数学博士の言葉"));

    const FramePair boy = Picture::boy();
    const FramePair doctor = Picture::doctor();
    images_[0] = addImage(this, QStringLiteral("Image1"), boy.first, PictureName::wavingBoy, 6120, 4080, 615, 615);
    images_[1] = addImage(this, QStringLiteral("Image2"), boy.second, PictureName::wavingBoy, 6120, 4080, 615, 615);
    images_[2] = addImage(this, QStringLiteral("Image3"), doctor.first, PictureName::doctor, 360, 4080, 615, 645);
    images_[3] = addImage(this, QStringLiteral("Image4"), doctor.second, PictureName::doctor, 360, 4080, 615, 645);

    auto *timer1 = addTimer(this, QStringLiteral("Timer1"), 300);
    connect(timer1, &QTimer::timeout, this, &LectureScreen::timer1Tick);

    chainTabOrder({command2, command1, picture1_});
    command1->setFocus(); // Enter pages on
}

LectureScreen::~LectureScreen() = default;

void LectureScreen::activate()
{
    if (const content::Lecture *lecture = content::lectureFor(app().course.problemNo))
        performIntroduction(*lecture, panels());
}

void LectureScreen::command1Click()
{
    const content::Lecture *lecture = content::lectureFor(app().course.problemNo);
    if (!lecture)
        return;
    std::int16_t &pageNo = app().forms.lecturePageNo;
    const auto contentPages = static_cast<int>(lecture->pages.size());
    pageNo = static_cast<std::int16_t>(pageNo % (contentPages + 1));
    if (pageNo < contentPages) {
        performPage(*lecture, static_cast<std::size_t>(pageNo), panels());
    } else {
        returnToQuiz(lecture->lastProblem);
        pageNo = -1;
    }
    ++pageNo;
}

void LectureScreen::command2Click()
{
    playEffectCue(*mmControl1_, SoundFile::forward);
    app().forms.lecturePageNo = 0;
    returnToQuiz(app().course.problemNo);
}

void LectureScreen::timer1Tick()
{
    alternateFrames(app().forms.lectureBlink, {images_[0], images_[2]}, {images_[1], images_[3]});
}

void LectureScreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawLine(twipsPoint(120, 360), twipsPoint(6960, 360)); // Line1
}

LecturePanels LectureScreen::panels() const
{
    return {*picture1_, *picture2_, *picture3_};
}

// The quiz screen of the stage a problem belongs to; above the course
// there is none, and the program ends with this window.
void LectureScreen::returnToQuiz(int problemNo)
{
    if (problemNo <= kLastStage1Problem)
        app().navigator.show(ScreenId::Stage1Quiz);
    else if (problemNo <= content::kLastProblem)
        app().navigator.show(ScreenId::Stage2Quiz);
    else
        app().navigator.endProgram(0);
}

} // namespace piyota
