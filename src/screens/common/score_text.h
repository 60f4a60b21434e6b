// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace piyota {

// The score as its labels show it: plain, a "-" when negative, no leading
// space, no thousands separators (0, 3000, -6000).
QString scoreText(double score);

} // namespace piyota
