// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace piyota::teacher {

// The overview's figures have a fixed number of decimals wherever they
// appear (screen, print, CSV, spreadsheet): averages one, medians, seconds
// and scores none.
inline constexpr int kAverageDecimals = 1;
inline constexpr int kWholeDecimals = 0;

// `value` rounded half away from zero to `decimals` places: the number that
// every output shows and the spreadsheet holds.
double roundedTo(double value, int decimals);

// That number as text: plain digits, "-" for a negative value, "." and
// exactly `decimals` fraction digits; never "-0", no thousands separators.
QString fixedNumber(double value, int decimals);

// The same, or nothing when there is no value.
QString fixedNumber(const std::optional<double> &value, int decimals);

} // namespace piyota::teacher
