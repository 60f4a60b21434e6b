#include "follow_outcome.h"

#include "app/app_context.h"
#include "app/navigator.h"
#include "captions.h"
#include "platform/dialogs.h"
#include "screens/history/show_history_board.h"

namespace piyota {

void followRoute(AppContext &app, const Route &route)
{
    switch (route.kind) {
    case Route::Kind::Stay:
        return;
    case Route::Kind::Show:
        return app.navigator.show(route.screen);
    case Route::Kind::HistoryBoard:
        return showHistoryBoard(app, route.runEnd);
    case Route::Kind::EndProgram:
        return app.navigator.endProgram(0);
    case Route::Kind::EndAfterFailure:
        return app.navigator.endProgramAfterFailure(route.failure);
    }
}

void followOutcome(AppContext &app, QWidget *screen, const Outcome &outcome)
{
    if (outcome.save == Save::Failed)
        app.dialogs.inform(screen, Caption::saveFailed, Caption::quizTitle);
    followRoute(app, outcome.route);
}

} // namespace piyota
