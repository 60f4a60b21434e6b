#pragma once

#include "course_session.h"
#include "form_state.h"
#include "progress_file.h"
#include "user_code_lock.h"

#include "course_state.h"

namespace piyota {

class Clock;
class Dialogs;
class MediaControlFactory;
class Navigation;
class Random;

// Everything a screen reaches beyond its own controls: the course's rules
// and its shared state, the form-level state, the progress file and the
// lock of its user code, the switcher and the platform services.
struct AppContext {
    CourseSession &session;
    CourseState &course;
    FormStates &forms;
    const ProgressFile &progress;
    UserCodeLock &codeLock;
    Navigation &navigation;
    Clock &clock;
    Random &random;
    Dialogs &dialogs;
    MediaControlFactory &media;
};

} // namespace piyota
