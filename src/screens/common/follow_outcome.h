// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "outcomes.h"

class QWidget;

namespace piyota {

struct AppContext;

// Goes where a click of the student leads: shows a screen, or ends the
// program.
void followRoute(AppContext &app, const Route &route);

// Presents a click at a save point: a save that failed is told in a message
// box (and the screen stays as it was); after a save the next screen shows.
void followOutcome(AppContext &app, QWidget *screen, const Outcome &outcome);

} // namespace piyota
