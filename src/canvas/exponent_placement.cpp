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

std::vector<double> exponentDigitOffsets(const QFontMetricsF &metrics, const QString &exponentLine,
                                         const QString &formulaLine)
{
    const QString digits = exponentDigits(exponentLine);
    const std::vector<Gap> gaps = exponentGaps(formulaLine);
    std::vector<double> offsets;
    for (qsizetype k = 0; k < digits.size(); ++k) {
        const QString digit(digits[k]);
        const QRectF ink = metrics.tightBoundingRect(digit);
        if (k < static_cast<qsizetype>(gaps.size())) {
            const Gap &gap = gaps[static_cast<std::size_t>(k)];
            const double left = metrics.horizontalAdvance(formulaLine.left(gap.start));
            const double width = metrics.horizontalAdvance(formulaLine.mid(gap.start, gap.length));
            // The digit's ink centred in the gap, never starting before it.
            const double inkLeft = left + std::max(0.0, (width - ink.width()) / 2);
            offsets.push_back(inkLeft - ink.left());
        } else {
            const double end = metrics.horizontalAdvance(formulaLine);
            const auto extra = static_cast<double>(k - static_cast<qsizetype>(gaps.size()));
            offsets.push_back(end + extra * metrics.horizontalAdvance(digit));
        }
    }
    return offsets;
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
