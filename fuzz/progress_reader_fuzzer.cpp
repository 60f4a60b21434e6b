// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the progress-file reader. It must either refuse
// them or return a record whose values are in range and whose saved form
// reads back to a record that saves to the very same bytes. Read with a
// bound, as the program reads files, the same bytes must give the record of
// the whole or nothing, and exactly what the whole gives when they fit in
// the bound. Anything else aborts, and so does a crash or a sanitizer finding.

#include "progress_format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

using piyota::content::kLastProblem;
using piyota::ProgressRecord;

void require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "progress reader: %s\n", what);
    std::abort();
}

bool inRange(const ProgressRecord &record)
{
    if (record.problemNo < 0 || record.problemNo > kLastProblem || !std::isfinite(record.score))
        return false;
    // Index 0 is never read into.
    if (record.missCount[0] != 0 || record.answerSeconds[0] != 0)
        return false;
    for (int i = 1; i <= kLastProblem; ++i) {
        if (record.missCount[i] < std::numeric_limits<std::int16_t>::min()
            || record.missCount[i] > std::numeric_limits<std::int16_t>::max()
            || !std::isfinite(record.answerSeconds[i]))
            return false;
    }
    return true;
}

// The file keeps 15 significant digits of a score and 7 of seconds, so a
// value read back may differ from the first one by that rounding only.
bool closeTo(double original, double reread, double relativeError)
{
    return std::abs(reread - original) <= relativeError * std::abs(original);
}

bool sameAsSaved(const ProgressRecord &original, const ProgressRecord &reread)
{
    if (reread.problemNo != original.problemNo || reread.missCount != original.missCount
        || !closeTo(original.score, reread.score, 1e-14))
        return false;
    for (int i = 1; i <= kLastProblem; ++i) {
        if (!closeTo(original.answerSeconds[i], reread.answerSeconds[i], 1e-6))
            return false;
    }
    return true;
}

bool identical(const ProgressRecord &a, const ProgressRecord &b)
{
    return a.problemNo == b.problemNo && a.score == b.score && a.missCount == b.missCount
        && a.answerSeconds == b.answerSeconds;
}

// Reads the bytes as a file read no further than a bound: bounds that cut
// them (the fields then have to end within the bound) and one that does not.
void checkBoundedRead(QByteArrayView bytes, const std::optional<ProgressRecord> &whole)
{
    for (const qsizetype limit : {bytes.size() - 1, bytes.size() / 2, piyota::kProgressReadLimit}) {
        if (limit < 0)
            continue;
        const auto bounded = piyota::parseProgressStart(bytes.first(std::min(bytes.size(), limit + 1)), limit);
        if (bytes.size() <= limit) {
            require(bounded.has_value() == whole.has_value() && (!bounded || identical(*bounded, *whole)),
                    "a bounded read of a file within the bound differs from the whole");
        } else {
            require(!bounded || (whole && identical(*bounded, *whole)),
                    "a bounded read gave what the whole file does not hold");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto record = piyota::parseProgress(bytes);
    checkBoundedRead(bytes, record);
    if (!record)
        return 0;
    require(inRange(*record), "a value out of range was accepted");

    const QByteArray saved = piyota::formatProgress(*record);
    const auto reread = piyota::parseProgress(saved);
    require(reread.has_value(), "a saved record does not read back");
    require(inRange(*reread), "a saved record reads back out of range");
    require(sameAsSaved(*record, *reread), "a saved record reads back with other values");
    require(piyota::formatProgress(*reread) == saved, "a record read back saves to other bytes");
    return 0;
}
