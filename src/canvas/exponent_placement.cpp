// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exponent_placement.h"

#include <QFontMetricsF>

#include <algorithm>

namespace piyota {

namespace {

struct Gap {
    qsizetype start;  // index of the first space
    qsizetype length; // number of spaces
};

std::vector<Gap> exponentGaps(const QString &formula)
{
    std::vector<Gap> gaps;
    qsizetype i = 0;
    while (i < formula.size()) {
        if (formula[i] != QLatin1Char(' ')) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < formula.size() && formula[i] == QLatin1Char(' '))
            ++i;
        const bool followsText = start > 0 && !formula[start - 1].isSpace();
        if (followsText && i - start >= 2)
            gaps.push_back({start, i - start});
    }
    return gaps;
}

} // namespace

QString exponentDigits(const QString &exponentLine)
{
    QString digits;
    for (QChar c : exponentLine) {
        if (c.isDigit())
            digits += c;
    }
    return digits;
}

double FormulaLayout::extraWidth() const
{
    double extra = 0;
    for (const Widening &widening : widenings)
        extra += widening.pixels;
    return extra;
}

FormulaLayout layoutFormula(const QFontMetricsF &metrics, const QString &exponentLine,
                            const QString &formulaLine)
{
    const QString digits = exponentDigits(exponentLine);
    const std::vector<Gap> gaps = exponentGaps(formulaLine);
    FormulaLayout layout;
    double extraSoFar = 0;
    for (qsizetype k = 0; k < digits.size(); ++k) {
        const QString digit(digits[k]);
        const QRectF ink = metrics.tightBoundingRect(digit);
        if (k < static_cast<qsizetype>(gaps.size())) {
            const Gap &gap = gaps[static_cast<std::size_t>(k)];
            const double left = metrics.horizontalAdvance(formulaLine.left(gap.start)) + extraSoFar;
            const double width = metrics.horizontalAdvance(formulaLine.mid(gap.start, gap.length));
            const double extra = std::max(0.0, ink.width() + 2 * kExponentClearance - width);
            if (extra > 0)
                layout.widenings.push_back({gap.start, extra});
            extraSoFar += extra;
            // The digit's ink centred in the gap.
            const double inkLeft = left + (width + extra - ink.width()) / 2;
            layout.digitOffsets.push_back(inkLeft - ink.left());
        } else {
            const double end = metrics.horizontalAdvance(formulaLine) + extraSoFar;
            const auto extra = static_cast<double>(k - static_cast<qsizetype>(gaps.size()));
            layout.digitOffsets.push_back(end + extra * metrics.horizontalAdvance(digit));
        }
    }
    return layout;
}

QString formulaWithExponents(const QString &exponentLine, const QString &formulaLine)
{
    const QString digits = exponentDigits(exponentLine);
    const std::vector<Gap> gaps = exponentGaps(formulaLine);
    QString readable;
    qsizetype copied = 0;
    qsizetype k = 0;
    for (; k < digits.size() && k < static_cast<qsizetype>(gaps.size()); ++k) {
        const Gap &gap = gaps[static_cast<std::size_t>(k)];
        readable += formulaLine.mid(copied, gap.start - copied) + QLatin1Char('^') + digits[k];
        copied = gap.start + gap.length;
    }
    readable += formulaLine.mid(copied);
    if (k < digits.size()) {
        while (!readable.isEmpty() && readable.back().isSpace())
            readable.chop(1);
    }
    for (; k < digits.size(); ++k)
        readable += QLatin1Char('^') + digits[k];
    return readable;
}

} // namespace piyota
