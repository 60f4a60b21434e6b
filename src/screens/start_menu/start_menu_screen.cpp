// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start_menu_screen.h"

#include "common/app_context.h"
#include "common/captions.h"
#include "common/controls.h"
#include "common/follow_outcome.h"
#include "common/keyboard.h"
#include "course_session.h"
#include "dialogs.h"
#include "geometry.h"
#include "media_control.h"
#include "overloaded.h"
#include "sound_cues.h"

#include <QPushButton>

namespace piyota {

namespace {

const QString kCodePrompt = QStringLiteral("半角８文字以内で、ユーザーコードを入力してください・・・");

} // namespace

StartMenuScreen::StartMenuScreen(AppContext &app)
    : Screen(app)
    , sound_(app.media.createControl())
{
    setWindowTitle(WindowTitle::startMenu);
    setFixedSize(twipsSize(4935, 870));
    auto *startAfreshButton = addButton(this, QStringLiteral("Command1"), QStringLiteral("初めからやる"), 600,
                                        240, 1575, 375);
    auto *continueButton = addButton(this, QStringLiteral("Command2"), QStringLiteral("前の続きからやる"),
                                     2760, 240, 1575, 375);
    connect(startAfreshButton, &QPushButton::clicked, this, &StartMenuScreen::onStartAfreshClicked);
    connect(continueButton, &QPushButton::clicked, this, &StartMenuScreen::onContinueClicked);

    chainTabOrder({startAfreshButton, continueButton});
    startAfreshButton->setFocus();
}

StartMenuScreen::~StartMenuScreen() = default;

void StartMenuScreen::onStartAfreshClicked()
{
    sound_->play(cue::Effect{SoundFile::forward});
    follow(app().session.startAfresh(askUserCode(QStringLiteral("ユーザーコード入力"))));
}

void StartMenuScreen::onContinueClicked()
{
    sound_->play(cue::Effect{SoundFile::forward});
    follow(app().session.continueCourse(askUserCode(QStringLiteral("  ユーザーコード入力"))));
}

QString StartMenuScreen::askUserCode(const QString &title)
{
    return app().dialogs.inputText(this, kCodePrompt, title);
}

void StartMenuScreen::follow(const StartOutcome &outcome)
{
    std::visit(content::Overloaded{
                   [this](const Route &route) { followRoute(app(), route); },
                   [this](CodeInUse) { app().dialogs.inform(this, Caption::codeInUse, Caption::quizTitle); },
               },
               outcome);
}

} // namespace piyota
