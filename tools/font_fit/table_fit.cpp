// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "table_fit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <cmath>

namespace piyota::fontfit {

namespace {

constexpr int kTablePixels = 13;
constexpr int kCanvas = 40;
constexpr int kBaseline = 28;

QFont tableFontOf(const QString &family)
{
    QFont font(family);
    font.setPixelSize(kTablePixels);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// The coverage (0..1) of each pixel of one character drawn on the baseline.
QList<double> inkOf(const QFont &font, QChar character)
{
    QImage image(kCanvas, kCanvas, QImage::Format_Grayscale8);
    image.fill(255);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(10, kBaseline), QString(character));
    }
    QList<double> ink;
    for (int y = 0; y < kCanvas; ++y) {
        for (int x = 0; x < kCanvas; ++x)
            ink.append((255 - qGray(image.pixel(x, y))) / 255.0);
    }
    return ink;
}

double difference(const QList<double> &a, const QList<double> &b)
{
    double sum = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        sum += std::abs(a[i] - b[i]);
    return sum;
}

// The lowest row holding ink of at least a quarter pixel.
int lowestInk(const QList<double> &ink)
{
    for (int y = kCanvas - 1; y >= 0; --y) {
        for (int x = 0; x < kCanvas; ++x) {
            if (ink[y * kCanvas + x] >= 0.25)
                return y;
        }
    }
    return 0;
}

} // namespace

double TableFit::score() const
{
    return periodCommaDifference + 4 * commaTail - 2 * digitWidthSpread + leastDigitDifference / 4
           - 1000 * missingCharacters;
}

TableFit measureTable(const QString &family, const QStringList &headings)
{
    TableFit fit;
    fit.family = family;
    const QFont font = tableFontOf(family);
    const QRawFont raw = QRawFont::fromFont(font);
    for (const QString &heading : headings) {
        for (const QChar c : heading)
            fit.missingCharacters += raw.supportsCharacter(c) ? 0 : 1;
    }
    const QList<double> period = inkOf(font, QLatin1Char('.'));
    const QList<double> comma = inkOf(font, QLatin1Char(','));
    for (double coverage : period)
        fit.periodInk += coverage;
    fit.periodCommaDifference = difference(period, comma);
    fit.commaTail = lowestInk(comma) - lowestInk(period);

    const QFontMetricsF metrics(font);
    QList<QList<double>> digits;
    double widest = 0;
    double narrowest = 1e9;
    for (char d = '0'; d <= '9'; ++d) {
        digits.append(inkOf(font, QLatin1Char(d)));
        widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(d)));
        narrowest = std::min(narrowest, metrics.horizontalAdvance(QLatin1Char(d)));
    }
    fit.digitWidthSpread = widest - narrowest;
    fit.leastDigitDifference = 1e9;
    for (int a = 0; a < 10; ++a) {
        for (int b = a + 1; b < 10; ++b) {
            const double apart = difference(digits[a], digits[b]);
            if (apart < fit.leastDigitDifference) {
                fit.leastDigitDifference = apart;
                fit.digitsMostAlike = QStringLiteral("%1 %2").arg(a).arg(b);
            }
        }
    }
    return fit;
}

} // namespace piyota::fontfit
