// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "course_state.h"

#include <cstdint>
#include <optional>

namespace piyota {

// The saved part of the course: problem number, score, and per problem the
// wrong answers and the seconds.
struct ProgressRecord {
    std::int16_t problemNo = 0;
    double score = 0;
    PerProblem<int> missCount{};
    PerProblem<float> answerSeconds{};

    static ProgressRecord of(const CourseState &state);
    void applyTo(CourseState &state) const;
};

// 31 CRLF lines of comma-separated numbers: problemNo,score then
// missCount(i),answerSeconds(i) for i = 1..30.
QByteArray formatProgress(const ProgressRecord &record);

// Reads the first 62 fields (a comma or a line end ends each one); nothing
// for a file that ends early or holds a field that is not a number of its
// kind, or a problem number outside 0..30.
std::optional<ProgressRecord> parseProgress(QByteArrayView bytes);

// The most of a progress file that is ever read: far above the size of any
// valid file (under 1 KiB), far below what would strain the memory.
inline constexpr qsizetype kProgressReadLimit = 64 * 1024;

// Reads the record from the start of a file that is read no further than
// `limit` bytes (limit >= 0). `start` is what was read of it, up to
// limit + 1 bytes, so that a longer file shows; the 62 fields of a longer
// file must end within its first `limit` bytes, and a field that the limit
// cuts off ends none.
std::optional<ProgressRecord> parseProgressStart(QByteArrayView start, qsizetype limit);

// Number notation of the file: plain decimal, no point for whole values.
QByteArray formatScore(double score);          // up to 15 significant digits
QByteArray formatSeconds(float seconds);       // up to 7 significant digits

} // namespace piyota
