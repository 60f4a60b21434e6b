// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen_factory.h"

#include "accessible_role.h"
#include "history/history_screen.h"
#include "lecture/lecture_screen.h"
#include "quiz/quiz_screen.h"
#include "roulette/roulette_screen.h"
#include "start_menu/start_menu_screen.h"
#include "title/title_screen.h"

namespace piyota {

std::unique_ptr<Screen> createScreen(ScreenId id, AppContext &app)
{
    // Screen readers see each screen as a window named by its caption.
    setAccessibleRole(Screen::staticMetaObject, QAccessible::Window);
    switch (id) {
    case ScreenId::Title:
        return std::make_unique<TitleScreen>(app);
    case ScreenId::StartMenu:
        return std::make_unique<StartMenuScreen>(app);
    case ScreenId::Stage1Quiz:
        return std::make_unique<QuizScreen>(app, QuizStage::stage1());
    case ScreenId::Stage2Quiz:
        return std::make_unique<QuizScreen>(app, QuizStage::stage2());
    case ScreenId::Lecture:
        return std::make_unique<LectureScreen>(app);
    case ScreenId::Roulette:
        return std::make_unique<RouletteScreen>(app);
    case ScreenId::History:
        return std::make_unique<HistoryScreen>(app);
    }
    return nullptr;
}

} // namespace piyota
