// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_screen.h"

#include "canvas.h"
#include "common/app_context.h"
#include "common/captions.h"
#include "common/controls.h"
#include "common/follow_outcome.h"
#include "common/form_state.h"
#include "common/frame_animation.h"
#include "common/keyboard.h"
#include "common/picture_names.h"
#include "course_session.h"
#include "fonts.h"
#include "geometry.h"
#include "lectures/lecture.h"
#include "media_control.h"
#include "overloaded.h"
#include "page_player.h"
#include "picture_files.h"
#include "sound_cues.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace piyota {

LectureScreen::LectureScreen(AppContext &app)
    : Screen(app)
    , sound_(app.media.createControl())
{
    setWindowTitle(WindowTitle::lectureAndHistory);
    setFixedSize(twipsSize(7080, 4845));

    auto *exitButton = addButton(this, QStringLiteral("Command2"), QStringLiteral("EXIT"), 120, 0, 855, 375);
    auto *nextButton = addButton(this, QStringLiteral("Command1"), QStringLiteral("次へ"), 6120, 0, 855, 375);
    connect(exitButton, &QPushButton::clicked, this, &LectureScreen::onExitClicked);
    connect(nextButton, &QPushButton::clicked, this, &LectureScreen::onNextClicked);

    textPanel_ = new Canvas(this, QStringLiteral("Picture1"), lectureTextPanel());
    graphPanel_ = new Canvas(this, QStringLiteral("Picture2"), lectureGraphPanel());
    speechBox_ = new Canvas(this, QStringLiteral("Picture3"), lectureSpeechBox());
    textPanel_->setAccessibleName(QStringLiteral("説明"));
    textPanel_->setFocusPolicy(Qt::TabFocus); // to have the page read out
    graphPanel_->setAccessibleName(QStringLiteral("グラフ"));
    speechBox_->setAccessibleName(QStringLiteral("数学博士の言葉"));

    const FramePair boy = Picture::boy();
    const FramePair doctor = Picture::doctor();
    boyFrames_[0] = addImage(this, QStringLiteral("Image1"), boy.first, PictureName::wavingBoy, 6120, 4080, 615, 615);
    boyFrames_[1] = addImage(this, QStringLiteral("Image2"), boy.second, PictureName::wavingBoy, 6120, 4080, 615, 615);
    doctorFrames_[0] = addImage(this, QStringLiteral("Image3"), doctor.first, PictureName::doctor, 360, 4080, 615, 645);
    doctorFrames_[1] = addImage(this, QStringLiteral("Image4"), doctor.second, PictureName::doctor, 360, 4080, 615, 645);

    auto *blinkTimer = addTimer(this, QStringLiteral("Timer1"), 300);
    connect(blinkTimer, &QTimer::timeout, this, &LectureScreen::onBlinkTick);

    chainTabOrder({exitButton, nextButton, textPanel_});
    nextButton->setFocus(); // Enter pages on
}

LectureScreen::~LectureScreen() = default;

void LectureScreen::activate()
{
    if (const content::Lecture *lecture = app().session.lecture())
        performIntroduction(*lecture, panels());
}

void LectureScreen::onNextClicked()
{
    std::visit(content::Overloaded{
                   [this](LecturePage next) { performPage(*app().session.lecture(), next.page, panels()); },
                   [this](const Route &route) { followRoute(app(), route); },
                   [](NoLecture) {},
               },
               app().session.nextLecturePage());
}

void LectureScreen::onExitClicked()
{
    sound_->play(cue::Effect{SoundFile::forward});
    followRoute(app(), app().session.exitLecture());
}

void LectureScreen::onBlinkTick()
{
    alternateFrames(app().forms.lectureBlink, {boyFrames_[0], doctorFrames_[0]},
                    {boyFrames_[1], doctorFrames_[1]});
}

void LectureScreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawLine(twipsPoint(120, 360), twipsPoint(6960, 360)); // Line1
}

LecturePanels LectureScreen::panels() const
{
    return {textPanel_->surface(), graphPanel_->surface(), speechBox_->surface()};
}

} // namespace piyota
