#pragma once

#include <QString>

namespace piyota::teacher {

// A number as the overview shows it and writes it to CSV: plain digits, a
// "-" for negative values, a "." and at most `maxDecimals` fraction digits
// only where the value has a fraction; no exponent, no thousands separators.
QString plainNumber(double value, int maxDecimals = 0);

} // namespace piyota::teacher
