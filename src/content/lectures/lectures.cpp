// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_set.h"

#include <algorithm>

namespace piyota::content {

const std::vector<Lecture> &lectures()
{
    static const std::vector<Lecture> all = {
        lecture1(), lecture2(), lecture3(), lecture4(), lecture5(),
        lecture6(), lecture7(), lecture8(), lecture9(), lecture10(),
    };
    return all;
}

const Lecture *lectureFor(int problemNo)
{
    const auto &all = lectures();
    const auto found = std::find_if(all.begin(), all.end(), [problemNo](const Lecture &lecture) {
        return lecture.firstProblem <= problemNo && problemNo <= lecture.lastProblem;
    });
    return found == all.end() ? nullptr : &*found;
}

} // namespace piyota::content
