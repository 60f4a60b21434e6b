// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figure_text.h"

#include <cmath>

namespace piyota::teacher {

double roundedTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return rounded == 0 ? 0.0 : rounded; // no negative zero
}

QString fixedNumber(double value, int decimals)
{
    return QString::number(roundedTo(value, decimals), 'f', decimals);
}

QString fixedNumber(const std::optional<double> &value, int decimals)
{
    return value ? fixedNumber(*value, decimals) : QString();
}

} // namespace piyota::teacher
