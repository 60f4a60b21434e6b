// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"
#include "text_fitting.h"

#include <QFontMetricsF>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace piyota;

namespace {

const QSizeF kPanel(300, 60);
const QString kLine = u"下の解答群から選びなさい。"_s;

// Where the right edge of a fitted text's outline falls, its pixel of
// smoothing included.
double inkRight(const TextFit &fit, const QString &text)
{
    return fit.origin.x() + fit.stretch * QFontMetricsF(gothicFont(11.25)).tightBoundingRect(text).right() + 1;
}

// The x a text must be printed at for its outline to need the given share
// of its width to end, its pixel of smoothing beside it, 1.5 px inside the
// panel.
double printedAtNeeding(double share, const QString &text)
{
    const QRectF outline = QFontMetricsF(gothicFont(11.25)).tightBoundingRect(text);
    return kPanel.width() - 1.5 - 1 - share * outline.right();
}

} // namespace

// The limits of fitting a text to its panel, each tried on either side.
class TextFittingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void condensedJustEnoughDownTo80Percent_data()
    {
        QTest::addColumn<double>("needed");
        QTest::addColumn<double>("stretch");
        QTest::newRow("95 %") << 0.95 << 0.95;
        QTest::newRow("81 %") << 0.81 << 0.81;
        QTest::newRow("79 %: no narrower than 80 %") << 0.79 << 0.8;
        QTest::newRow("60 %") << 0.6 << 0.8;
    }

    void condensedJustEnoughDownTo80Percent()
    {
        QFETCH(double, needed);
        QFETCH(double, stretch);
        const TextFit fit = fitText(gothicFont(11.25), kPanel, kLine, {printedAtNeeding(needed, kLine), 10});
        QCOMPARE(fit.stretch, stretch);
        if (needed >= 0.8)
            QCOMPARE(inkRight(fit, kLine), kPanel.width() - 1.5);
    }

    void inkKeeps1Point5PixelsFromTheRightEdge()
    {
        const QFont font = gothicFont(11.25);
        const QRectF outline = QFontMetricsF(font).tightBoundingRect(kLine);
        const double fits = kPanel.width() - 1.6 - (outline.right() + 1);
        QCOMPARE(fitText(font, kPanel, kLine, {fits, 10}).stretch, 1.0);
        QVERIFY(fitText(font, kPanel, kLine, {fits + 0.2, 10}).stretch < 1);
    }

    void aFormulaAlreadyCondensedStaysSo()
    {
        const QFont font = gothicFont(11.25);
        QCOMPARE(fitText(font, kPanel, kLine, {0, 10}, 0, 0.9).stretch, 0.9);
        QCOMPARE(fitText(font, kPanel, kLine, {printedAtNeeding(0.95, kLine), 10}, 0, 0.9).stretch, 0.9);
        QCOMPARE(fitText(font, kPanel, kLine, {printedAtNeeding(0.85, kLine), 10}, 0, 0.9).stretch, 0.85);
    }

    void descendersRaisedUpToAThirdOfALine()
    {
        const QFont font = gothicFont(11.25); // 15 px: a third is 5 px
        const QFontMetricsF metrics(font);
        const QString text = u"gypsy"_s; // descenders
        // The outline's bottom, its smoothing aside, `cut` px below the bottom edge.
        const auto printedCutBy = [&](double cut) {
            return QPointF(0, kPanel.height() + cut - metrics.ascent() - metrics.tightBoundingRect(text).bottom());
        };
        for (const double cut : {4.0, 4.9})
            QCOMPARE(fitText(font, kPanel, text, printedCutBy(cut)).origin.y(), printedCutBy(cut).y() + metrics.ascent() - cut);
        for (const double cut : {5.1, 8.0})
            QCOMPARE(fitText(font, kPanel, text, printedCutBy(cut)).origin.y(), printedCutBy(cut).y() + metrics.ascent() - 5);
    }

    void aTextAboveTheTopIsBroughtIntoView()
    {
        const QFont font = gothicFont(11.25);
        const QFontMetricsF metrics(font);
        const TextFit fit = fitText(font, kPanel, u"y"_s, {0, -20});
        QCOMPARE(fit.origin.y() + metrics.tightBoundingRect(u"y"_s).top(), 0.0);
        QCOMPARE(fitText(font, kPanel, u"y"_s, {0, 3}).origin.y(), 3 + metrics.ascent()); // in view: it stays
    }

    void indentationCountsTwoHalfWidthSpacesToAFullWidthOne()
    {
        const QFont font = gothicFont(11.25);
        const double fullWidth = QFontMetricsF(font).horizontalAdvance(u'　');
        const Indentation half = indentationOf(font, u"        クリックしなさい。"_s);
        const Indentation full = indentationOf(font, u"　　　　クリックしなさい。"_s);
        QCOMPARE(half.length, 8);
        QCOMPARE(full.length, 4);
        QCOMPARE(half.width, 4 * fullWidth);
        QCOMPARE(full.width, 4 * fullWidth);
        QCOMPARE(indentationOf(font, u"  　ｙ＝ｘ  "_s).width, 2 * fullWidth); // spaces after the text are no indentation
        QCOMPARE(indentationOf(font, u"ｙ"_s).length, 0);
    }
};

QTEST_MAIN(TextFittingTest)
#include "tst_text_fitting.moc"
