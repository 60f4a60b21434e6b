// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "follow_outcome.h"

#include "app_context.h"
#include "captions.h"
#include "dialogs.h"
#include "navigation.h"
#include "overloaded.h"

namespace piyota {

using content::Overloaded;

void followRoute(AppContext &app, const Route &route)
{
    std::visit(Overloaded{
                   [&](const ShowScreen &show) { app.navigation.show(show.screen); },
                   [&](EndProgram) { app.navigation.endProgram(0); },
                   [&](const EndAfterFailure &end) { app.navigation.endProgramAfterFailure(end.reason); },
               },
               route);
}

void followOutcome(AppContext &app, QWidget *screen, const Outcome &outcome)
{
    std::visit(Overloaded{
                   [&](const Saved &saved) { app.navigation.show(saved.next); },
                   [&](SaveFailed) { app.dialogs.inform(screen, Caption::saveFailed, Caption::quizTitle); },
               },
               outcome);
}

} // namespace piyota
