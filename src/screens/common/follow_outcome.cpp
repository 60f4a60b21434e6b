#include "follow_outcome.h"

#include "app_context.h"
#include "captions.h"
#include "dialogs.h"
#include "navigation.h"

namespace piyota {

void followRoute(AppContext &app, const Route &route)
{
    switch (route.kind) {
    case Route::Kind::Stay:
        return;
    case Route::Kind::Show:
        return app.navigation.show(route.screen);
    case Route::Kind::HistoryBoard:
        return app.navigation.show(ScreenId::History);
    case Route::Kind::EndProgram:
        return app.navigation.endProgram(0);
    case Route::Kind::EndAfterFailure:
        return app.navigation.endProgramAfterFailure(route.failure);
    }
}

void followOutcome(AppContext &app, QWidget *screen, const Outcome &outcome)
{
    if (outcome.save == Save::Failed)
        app.dialogs.inform(screen, Caption::saveFailed, Caption::quizTitle);
    followRoute(app, outcome.route);
}

} // namespace piyota
