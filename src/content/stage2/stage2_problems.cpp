// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stage2.h"

#include "stage2_groups.h"

namespace piyota::content {

const std::vector<Problem> &stage2Problems()
{
    static const std::vector<Problem> problems = [] {
        std::vector<Problem> all;
        for (const auto &group : {stage2::problems16To20(), stage2::problems21To25(),
                                  stage2::problems26To30()})
            all.insert(all.end(), group.begin(), group.end());
        return all;
    }();
    return problems;
}

} // namespace piyota::content
