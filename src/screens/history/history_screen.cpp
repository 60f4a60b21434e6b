// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history_screen.h"

#include "common/app_context.h"
#include "common/captions.h"
#include "common/controls.h"
#include "common/form_state.h"
#include "common/frame_animation.h"
#include "common/navigation.h"
#include "common/picture_names.h"
#include "common/score_text.h"
#include "course_session.h"
#include "dialogs.h"
#include "fonts.h"
#include "geometry.h"
#include "history_text.h"
#include "media_control.h"
#include "picture_files.h"
#include "sound_cues.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <optional>

namespace piyota {

namespace {

constexpr int kRowsPerColumn = 10;
constexpr int kGridTop = 1560;
constexpr int kRowPitch = 360;
constexpr int kColumnPitch = 1920; // between the three columns of problems
constexpr int kCellHeight = 255;
constexpr int kLastHeadingHeight = 375;

// A cell of the board: empty where the course gives no number.
template <typename Number>
QString cellText(std::optional<Number> number)
{
    return number ? boardNumber(*number) : QString();
}

} // namespace

HistoryScreen::HistoryScreen(AppContext &app)
    : Screen(app)
    , sound_(app.media.createControl())
{
    setWindowTitle(WindowTitle::lectureAndHistory);
    setFixedSize(twipsSize(6855, 5991));

    const FramePair boy = Picture::boy();
    boyFrames_[0] = addImage(this, QStringLiteral("Image1"), boy.first, PictureName::wavingBoy, 720, 120, 615, 615);
    boyFrames_[1] = addImage(this, QStringLiteral("Image2"), boy.second, PictureName::wavingBoy, 720, 120, 615, 615);
    addLabel(this, QStringLiteral("Label1"), QStringLiteral("学習の履歴"), 2520, 240, 1575, 375,
             gothicFont(14.25, true));
    auto *quitButton = addButton(this, QStringLiteral("Command1"), QStringLiteral("終了"), 5280, 240, 855, 375);
    connect(quitButton, &QPushButton::clicked, this, &HistoryScreen::onQuitClicked);
    quitButton->setFocus();
    progressLabel_ = addLabel(this, QStringLiteral("Label3"), QString(), 360, 960, 4335, 255, gothicFont(9));
    addLabel(this, QStringLiteral("Label5"),
             QStringLiteral("以下には、各問題ごとのあなたの間違った回数と解答時間(秒)が示してあります。"),
             360, 1200, 6255, 255, gothicFont(9));
    buildGrid();
    addLabel(this, QStringLiteral("Label2"), QStringLiteral("得点"), 2520, 5400, 495, 255, gothicFont(12));
    scoreLabel_ = addLabel(this, QStringLiteral("Label4"), QString(), 3120, 5400, 735, 255, gothicFont(9));

    auto *blinkTimer = addTimer(this, QStringLiteral("Timer1"), 500);
    connect(blinkTimer, &QTimer::timeout, this, &HistoryScreen::onBlinkTick);
}

HistoryScreen::~HistoryScreen() = default;

// Three columns of ten problems: the heading, the wrong answers (`Lab`) and
// the seconds (`zik`) of each.
void HistoryScreen::buildGrid()
{
    for (int i = 1; i <= content::kLastProblem; ++i) {
        const int dx = (i - 1) / kRowsPerColumn * kColumnPitch;
        const int top = kGridTop + (i - 1) % kRowsPerColumn * kRowPitch;
        QLabel *heading = addLabel(this, QStringLiteral("Label%1").arg(i + 5), problemHeading(i), 600 + dx,
                                   top, 615, kCellHeight, gothicFont(9));
        if (i == content::kLastProblem) { // "問題30 終　了" goes on over a second line
            heading->resize(heading->width(), twipsToPixels(kLastHeadingHeight));
            heading->setWordWrap(true);
        }
        missCells_[i] = addLabel(this, QStringLiteral("Lab(%1)").arg(i), QString(), 1200 + dx, top, 495,
                           kCellHeight, gothicFont(9));
        secondsCells_[i] = addLabel(this, QStringLiteral("zik(%1)").arg(i), QString(), 1800 + dx, top, 615,
                           kCellHeight, gothicFont(9));
    }
}

void HistoryScreen::activate()
{
    sound_->play(cue::Song{SoundFile::historyMusic});
    const CourseState &course = app().session.course();
    progressLabel_->setText(progressSentence(course.problemNo));
    for (int i = 1; i <= content::kLastProblem; ++i) {
        const BoardRow row = app().session.boardRow(i);
        missCells_[i]->setText(cellText(row.misses));
        secondsCells_[i]->setText(cellText(row.seconds));
    }
    scoreLabel_->setText(scoreText(course.score));
}

void HistoryScreen::onQuitClicked()
{
    sound_->play(cue::Effect{SoundFile::quit});
    if (app().dialogs.askYesNo(this, Caption::quitQuestion, Caption::programEndTitle))
        app().navigation.endProgram(0);
}

void HistoryScreen::onBlinkTick()
{
    alternateFrames(app().forms.historyBlink, {boyFrames_[0]}, {boyFrames_[1]});
}

} // namespace piyota
