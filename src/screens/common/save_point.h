#pragma once

class QWidget;

namespace piyota {

struct AppContext;
struct CourseState;

// A save point: saves `next` as the student's progress and only then makes
// it the course's state. When the file cannot be written, says so in a
// message box and returns false with the course's state as it was before
// the click: the screen stays as it is, and the same click saves again
// once the disk takes the file.
bool saveAndAdopt(AppContext &app, QWidget *screen, const CourseState &next);

// A save point that changes nothing but the file: saves the course's state
// before the student leaves a screen; false, after the message box, when
// the file cannot be written.
bool saveBeforeLeaving(AppContext &app, QWidget *screen);

} // namespace piyota
