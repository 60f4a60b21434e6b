// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace piyota {

// The whole seconds from a clock reading `started` to the reading `now`
// (seconds since midnight), rounded down. A problem started before midnight
// and finished after it counts across midnight.
float wholeSecondsBetween(float started, float now);

} // namespace piyota
