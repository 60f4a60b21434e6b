// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

class QFontMetricsF;

namespace piyota {

// A square is written as two lines: a line of spaces and digits, then the
// formula line with a gap of half-width spaces where each digit belongs. Our
// fonts are not the widths those spaces were counted for, so each digit is
// placed by measuring the formula line instead: the k-th digit stands in the
// k-th run of two or more half-width spaces that follows a non-space
// character, or right after the formula's end where no such run is left.
//
// A gap too narrow for its digit with a little room on either side is
// widened: the formula line is drawn with that much more space there, so
// that the digit never touches the sign after it.
struct FormulaLayout {
    struct Widening {
        qsizetype at; // index of the gap's first space in the formula line
        double pixels;
    };
    std::vector<double> digitOffsets; // each digit's pen x, in pixels from the formula line's start
    std::vector<Widening> widenings;
    double extraWidth() const;
};

// The room kept clear on either side of a digit in its gap, in pixels.
inline constexpr double kExponentClearance = 1.5;

FormulaLayout layoutFormula(const QFontMetricsF &metrics, const QString &exponentLine,
                            const QString &formulaLine);

// The digits of an exponent line, in order.
QString exponentDigits(const QString &exponentLine);

// The formula line as a screen reader should read it, in the notation of the
// answer captions: each digit written as "^digit" in place of the gap it
// stands over, or after the formula's end where no gap is left
// ("ｙ＝ａｘ   のグラフ" with "2" reads "ｙ＝ａｘ^2のグラフ").
QString formulaWithExponents(const QString &exponentLine, const QString &formulaLine);

} // namespace piyota
