#include "title_screen.h"

#include "app/app_context.h"
#include "app/navigator.h"
#include "platform/dialogs.h"
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

TitleScreen::TitleScreen(AppContext &app)
    : Screen(app)
    , mmControl1_(app.media.createControl())
{
    setWindowTitle(QStringLiteral(" ぴよたの研修旅行2008（２次関数の巻） for Windows"));
    setFixedSize(twipsSize(4935, 3855));

    command2_ = addButton(this, QStringLiteral("Command2"), QStringLiteral("終了"), 120, 0, 735, 375);
    command1_ = addButton(this, QStringLiteral("Command1"), QStringLiteral("次へ"), 4080, 0, 735, 375);
    addLabel(this, QStringLiteral("Label1"), QStringLiteral("ぴよたの研修旅行2008"), 480, 840, 3975,
             375, minchoFont(15.75, true));
    addLabel(this, QStringLiteral("Label3"), QStringLiteral("for Windows"), 2880, 1320, 1575, 255,
             minchoFont(12, true));
    image1_ = addImage(this, QStringLiteral("Image1"), Picture::boy().first, PictureName::wavingBoy,
                       2280, 1680, 615, 615);
    image3_ = addImage(this, QStringLiteral("Image3"), Picture::boy().second, PictureName::wavingBoy,
                       2280, 1680, 615, 615);
    addLabel(this, QStringLiteral("Label2"), QStringLiteral("（２次関数の巻）"), 1560, 2400, 2055, 255,
             minchoFont(12, true));
    addImage(this, QStringLiteral("Image2"), Picture::titleDecoration(), PictureName::parabolaAndStar,
             3840, 2760, 600, 600);
    addLabel(this, QStringLiteral("Label4"), Caption::authorCredit, 600, 3000, 3015, 255,
             minchoFont(9.75));

    timer1_ = addTimer(this, QStringLiteral("Timer1"), 500);
    connect(timer1_, &QTimer::timeout, this, &TitleScreen::timer1Tick);

    connect(command1_, &QPushButton::clicked, this, &TitleScreen::command1Click);
    connect(command2_, &QPushButton::clicked, this, &TitleScreen::command2Click);

    chainTabOrder({command2_, command1_});
    command1_->setFocus(); // Enter goes on
}

TitleScreen::~TitleScreen() = default;

void TitleScreen::activate()
{
    playMusicCue(*mmControl1_, SoundFile::titleMusic, MusicClose::Capitalised);
}

void TitleScreen::command1Click()
{
    playEffectCue(*mmControl1_, SoundFile::forward);
    app().navigator.show(ScreenId::StartMenu);
}

void TitleScreen::command2Click()
{
    playEffectCue(*mmControl1_, SoundFile::quit);
    if (app().dialogs.askYesNo(this, Caption::quitQuestion, Caption::programEndTitle))
        app().navigator.endProgram(0);
}

void TitleScreen::timer1Tick()
{
    alternateFrames(app().forms.titleBlink, {image1_}, {image3_});
}

void TitleScreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawLine(twipsPoint(120, 360), twipsPoint(4800, 360));      // Line1
    painter.drawRect(QRect(twipsPoint(120, 480), twipsSize(4695, 3255)).adjusted(0, 0, -1, -1)); // Shape1
    painter.drawRect(QRect(twipsPoint(240, 600), twipsSize(4455, 3015)).adjusted(0, 0, -1, -1)); // Shape3
    painter.drawLine(twipsPoint(480, 1200), twipsPoint(4320, 1200));    // Line2
}

} // namespace piyota
