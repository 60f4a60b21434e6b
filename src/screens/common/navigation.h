// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen_id.h"

namespace piyota {

// Where a screen goes after a click: the program's screen switcher, as the
// screens see it. Showing a screen makes its window, shows it and runs its
// activation once, then closes the screen that asked.
class Navigation {
public:
    virtual ~Navigation() = default;

    virtual void show(ScreenId id) = 0;
    virtual void endProgram(int exitCode) = 0;
    // Ends the program after a failure the student is not told about; one
    // line goes to the standard error for whoever started it.
    virtual void endProgramAfterFailure(const char *reason) = 0;
};

} // namespace piyota
