#pragma once

#include "app/screen.h"

namespace piyota {

// Stands in for a screen of the course that is not built yet: a window that
// names the screen, so that the course can be followed up to it.
class PlaceholderScreen final : public Screen {
    Q_OBJECT
public:
    PlaceholderScreen(AppContext &app, const QString &name);
};

} // namespace piyota
