#include "save_point.h"

#include "app/app_context.h"
#include "captions.h"
#include "platform/dialogs.h"

namespace piyota {

bool saveBeforeLeaving(AppContext &app, QWidget *screen)
{
    if (app.progress.saveProgress(app.course))
        return true;
    app.dialogs.inform(screen, Caption::saveFailed, Caption::quizTitle);
    return false;
}

} // namespace piyota
