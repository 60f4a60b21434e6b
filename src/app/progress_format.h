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

// Number notation of the file: plain decimal, no point for whole values.
QByteArray formatScore(double score);          // up to 15 significant digits
QByteArray formatSeconds(float seconds);       // up to 7 significant digits

} // namespace piyota
