#include "show_history_board.h"

#include "app/app_context.h"
#include "app/navigator.h"
#include "history_screen.h"
#include "history_text.h"

namespace piyota {

void showHistoryBoard(AppContext &app, RunEnd end)
{
    app.navigator.show(ScreenId::History);
    auto *board = qobject_cast<HistoryScreen *>(app.navigator.currentScreen());
    if (!board)
        return;
    CourseState &course = app.course;
    for (int i = 1; i <= kProblemCount; ++i)
        course.missText[i] = i <= course.problemNo ? boardNumber(course.missCount[i]) : QString();
    board->fillIn(end);
}

} // namespace piyota
