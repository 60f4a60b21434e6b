// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace piyota {

// Runs `task` once on the user-interface thread, as soon as the first window
// of the application has been shown and painted: for start-up work that the
// first frame does not need and should not wait for.
void runAfterFirstFrame(std::function<void()> task);

} // namespace piyota
