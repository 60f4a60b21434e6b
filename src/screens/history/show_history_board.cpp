#include "show_history_board.h"

#include "app/app_context.h"
#include "app/navigator.h"
#include "history_screen.h"

namespace piyota {

void showHistoryBoard(AppContext &app, RunEnd end)
{
    app.navigator.show(ScreenId::History);
    if (auto *board = qobject_cast<HistoryScreen *>(app.navigator.currentScreen()))
        board->fillIn(end);
}

} // namespace piyota
