// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stage1.h"

#include "stage1_groups.h"

namespace piyota::content {

const std::vector<Problem> &stage1Problems()
{
    static const std::vector<Problem> problems = [] {
        std::vector<Problem> all;
        for (const auto &group : {stage1::problems1To5(), stage1::problems6To10(),
                                  stage1::problems11To15()})
            all.insert(all.end(), group.begin(), group.end());
        return all;
    }();
    return problems;
}

} // namespace piyota::content
