// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress_format.h"

#include <QByteArrayList>

#include <cctype>
#include <cmath>
#include <limits>

namespace piyota {
namespace {

constexpr int kFieldCount = 2 + 2 * content::kLastProblem;

constexpr bool endsField(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

QByteArray formatNumber(double value, int significantDigits)
{
    if (value == 0)
        return QByteArrayLiteral("0"); // also for -0
    return QByteArray::number(value, 'g', significantDigits);
}

// Splits off the first kFieldCount fields; a comma, CR LF, LF or CR ends a field.
std::optional<QByteArrayList> firstFields(QByteArrayView bytes)
{
    QByteArrayList fields;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size() && fields.size() < kFieldCount; ++i) {
        const char c = bytes[i];
        if (!endsField(c))
            continue;
        fields.append(bytes.sliced(start, i - start).toByteArray());
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (fields.size() < kFieldCount && start < bytes.size())
        fields.append(bytes.sliced(start).toByteArray()); // last field without a line end
    if (fields.size() < kFieldCount)
        return std::nullopt;
    return fields;
}

// A decimal number: optional "-", digits with an optional fraction (".5"
// and "0.5" alike), an optional exponent; spaces around it are allowed.
std::optional<double> parseNumber(const QByteArray &field)
{
    const QByteArray text = field.trimmed();
    qsizetype i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const qsizetype exponentStart = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i;
        if (i == exponentStart)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseWhole(const QByteArray &field, int lowest, int highest)
{
    const auto value = parseNumber(field);
    if (!value || *value != std::floor(*value) || *value < lowest || *value > highest)
        return std::nullopt;
    return static_cast<int>(*value);
}

// A score that its saved form reads back as: at 15 significant digits the
// largest doubles would round up beyond the double range.
std::optional<double> parseScore(const QByteArray &field)
{
    constexpr double kLargestSavable = 1.79769313486231e308;
    const auto value = parseNumber(field);
    if (!value || std::abs(*value) > kLargestSavable)
        return std::nullopt;
    return value;
}

std::optional<float> parseSingle(const QByteArray &field)
{
    const auto value = parseNumber(field);
    if (!value || std::abs(*value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*value);
}

} // namespace

ProgressRecord ProgressRecord::of(const CourseState &state)
{
    ProgressRecord record;
    record.problemNo = state.problemNo;
    record.score = state.score;
    record.missCount = state.missCount;
    record.answerSeconds = state.answerSeconds;
    return record;
}

void ProgressRecord::applyTo(CourseState &state) const
{
    state.problemNo = problemNo;
    state.score = score;
    for (int i = 1; i <= content::kLastProblem; ++i) {
        state.missCount[i] = missCount[i];
        state.answerSeconds[i] = answerSeconds[i];
    }
}

QByteArray formatScore(double score)
{
    return formatNumber(score, 15);
}

QByteArray formatSeconds(float seconds)
{
    return formatNumber(seconds, 7);
}

QByteArray formatProgress(const ProgressRecord &record)
{
    QByteArray text = QByteArray::number(record.problemNo) + ',' + formatScore(record.score) + "\r\n";
    for (int i = 1; i <= content::kLastProblem; ++i)
        text += QByteArray::number(record.missCount[i]) + ',' + formatSeconds(record.answerSeconds[i]) + "\r\n";
    return text;
}

std::optional<ProgressRecord> parseProgress(QByteArrayView bytes)
{
    const auto fields = firstFields(bytes);
    if (!fields)
        return std::nullopt;

    ProgressRecord record;
    const auto problemNo = parseWhole(fields->at(0), 0, content::kLastProblem);
    const auto score = parseScore(fields->at(1));
    if (!problemNo || !score)
        return std::nullopt;
    record.problemNo = static_cast<std::int16_t>(*problemNo);
    record.score = *score;
    for (int i = 1; i <= content::kLastProblem; ++i) {
        const auto misses = parseWhole(fields->at(2 * i), std::numeric_limits<std::int16_t>::min(),
                                       std::numeric_limits<std::int16_t>::max());
        const auto seconds = parseSingle(fields->at(2 * i + 1));
        if (!misses || !seconds)
            return std::nullopt;
        record.missCount[i] = *misses;
        record.answerSeconds[i] = *seconds;
    }
    return record;
}

std::optional<ProgressRecord> parseProgressStart(QByteArrayView start, qsizetype limit)
{
    if (start.size() <= limit)
        return parseProgress(start); // the whole file
    QByteArrayView within = start.first(limit);
    while (!within.isEmpty() && !endsField(within.back()))
        within.chop(1); // a field that may go on beyond the limit
    return parseProgress(within);
}

} // namespace piyota
