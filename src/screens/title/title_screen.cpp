// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "title_screen.h"

#include "common/app_context.h"
#include "common/captions.h"
#include "common/controls.h"
#include "common/form_state.h"
#include "common/frame_animation.h"
#include "common/keyboard.h"
#include "common/navigation.h"
#include "common/picture_names.h"
#include "dialogs.h"
#include "fonts.h"
#include "geometry.h"
#include "media_control.h"
#include "picture_files.h"
#include "sound_cues.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace piyota {

TitleScreen::TitleScreen(AppContext &app)
    : Screen(app)
    , sound_(app.media.createControl())
{
    setWindowTitle(WindowTitle::title);
    setFixedSize(twipsSize(4935, 3855));

    auto *quitButton = addButton(this, QStringLiteral("Command2"), QStringLiteral("終了"), 120, 0, 735, 375);
    auto *nextButton = addButton(this, QStringLiteral("Command1"), QStringLiteral("次へ"), 4080, 0, 735, 375);
    addLabel(this, QStringLiteral("Label1"), QStringLiteral("ぴよたの研修旅行2008"), 480, 840, 3975,
             375, minchoFont(15.75, true));
    addLabel(this, QStringLiteral("Label3"), QStringLiteral("for Windows"), 2880, 1320, 1575, 255,
             minchoFont(12, true));
    boyFrames_[0] = addImage(this, QStringLiteral("Image1"), Picture::boy().first, PictureName::wavingBoy,
                       2280, 1680, 615, 615);
    boyFrames_[1] = addImage(this, QStringLiteral("Image3"), Picture::boy().second, PictureName::wavingBoy,
                       2280, 1680, 615, 615);
    addLabel(this, QStringLiteral("Label2"), QStringLiteral("（２次関数の巻）"), 1560, 2400, 2055, 255,
             minchoFont(12, true));
    addImage(this, QStringLiteral("Image2"), Picture::titleDecoration(), PictureName::parabolaAndStar,
             3840, 2760, 600, 600);
    addLabel(this, QStringLiteral("Label4"), Caption::authorCredit, 600, 3000, 3015, 255,
             minchoFont(9.75));

    auto *blinkTimer = addTimer(this, QStringLiteral("Timer1"), 500);
    connect(blinkTimer, &QTimer::timeout, this, &TitleScreen::onBlinkTick);

    connect(nextButton, &QPushButton::clicked, this, &TitleScreen::onNextClicked);
    connect(quitButton, &QPushButton::clicked, this, &TitleScreen::onQuitClicked);

    chainTabOrder({quitButton, nextButton});
    nextButton->setFocus(); // Enter goes on
}

TitleScreen::~TitleScreen() = default;

void TitleScreen::activate()
{
    sound_->play(cue::Song{SoundFile::titleMusic});
}

void TitleScreen::onNextClicked()
{
    sound_->play(cue::Effect{SoundFile::forward});
    app().navigation.show(ScreenId::StartMenu);
}

void TitleScreen::onQuitClicked()
{
    sound_->play(cue::Effect{SoundFile::quit});
    if (app().dialogs.askYesNo(this, Caption::quitQuestion, Caption::programEndTitle))
        app().navigation.endProgram(0);
}

void TitleScreen::onBlinkTick()
{
    alternateFrames(app().forms.titleBlink, {boyFrames_[0]}, {boyFrames_[1]});
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
