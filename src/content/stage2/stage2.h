// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "problem.h"

#include <vector>

namespace piyota::content {

// Problems 16 to 30 in order, each in its three answer layouts, as the
// screen's activation presents them.
const std::vector<Problem> &stage2Problems();

// The few entries that read differently when "次へ" presents the problem.
const std::vector<AfterNextVariant> &stage2AfterNextVariants();

} // namespace piyota::content
