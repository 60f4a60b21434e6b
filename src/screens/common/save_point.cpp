#include "save_point.h"

#include "app/app_context.h"
#include "captions.h"
#include "platform/dialogs.h"

namespace piyota {

bool saveAndAdopt(AppContext &app, QWidget *screen, const CourseState &next)
{
    if (!app.progress.saveProgress(next)) {
        app.dialogs.inform(screen, Caption::saveFailed, Caption::quizTitle);
        return false;
    }
    app.course = next;
    return true;
}

bool saveBeforeLeaving(AppContext &app, QWidget *screen)
{
    return saveAndAdopt(app, screen, app.course);
}

} // namespace piyota
