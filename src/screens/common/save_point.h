#pragma once

class QWidget;

namespace piyota {

struct AppContext;

// Saves the progress before the student leaves a screen. When the file
// cannot be written, says so in a message box and returns false: the screen
// stays open and the values in memory stay as they are.
bool saveBeforeLeaving(AppContext &app, QWidget *screen);

} // namespace piyota
