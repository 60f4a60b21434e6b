// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen_id.h"

#include <memory>

namespace piyota {

class Screen;
struct AppContext;

// Makes the window of a screen; the navigator calls it for every switch.
std::unique_ptr<Screen> createScreen(ScreenId id, AppContext &app);

} // namespace piyota
