// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"
#include "palette_values.h"
#include "fonts.h"
#include "geometry.h"

#include <QFontMetricsF>
#include <QTest>

#include <cmath>
#include <optional>

using namespace piyota;
using namespace piyota::testing;

namespace {

// Counts the pixels of a colour inside a rectangle of the image (logical pixels).
int pixelsOf(const QImage &image, const QColor &color, const QRect &area)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect device(QPointF(area.topLeft() * ratio).toPoint(), QSizeF(area.size() * ratio).toSize());
    int count = 0;
    for (int y = device.top(); y <= device.bottom() && y < image.height(); ++y)
        for (int x = device.left(); x <= device.right() && x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

// Counts the pixels of ink, anything but the white background, inside a rectangle.
int inkIn(const QImage &image, const QRect &area)
{
    return area.width() * area.height() - pixelsOf(image, Qt::white, area);
}

} // namespace

class CanvasTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { canvas_.emplace(nullptr, QStringLiteral("Picture1"), questionBox()); }

    void printStartsANewLineOneTextHeightDown()
    {
        const double lineHeight = 225; // one em of the 15-pixel font, in twips
        canvas_->surface().setCurrentX(300);
        canvas_->surface().print(QStringLiteral("　【問題１】"));
        QCOMPARE(canvas_->surface().currentX(), 0.0);
        QCOMPARE(canvas_->surface().currentY(), lineHeight);
        QCOMPARE(canvas_->surface().textHeight(), lineHeight);
        canvas_->surface().newLine(2);
        QCOMPARE(canvas_->surface().currentY(), 3 * lineHeight);
    }

    void continuedPrintStaysOnTheLine()
    {
        const QString first = QStringLiteral("ｙ＝ａｘ");
        canvas_->surface().printContinued(first);
        QCOMPARE(canvas_->surface().currentX(), canvas_->surface().textWidth(first));
        QCOMPARE(canvas_->surface().currentY(), 0.0);
        canvas_->surface().print(QStringLiteral("  のグラフ"));
        QCOMPARE(canvas_->printedText(), QStringLiteral("ｙ＝ａｘ  のグラフ"));
    }

    void textIsDrawnInTheCurrentColourOverWhatIsThere()
    {
        canvas_->surface().setForeColor(4);
        canvas_->surface().setCurrentY(600);
        canvas_->surface().print(QStringLiteral("■■■"));
        const QRect printed(0, 40, 60, 20);
        const int red = pixelsOf(canvas_->image(), colours::red, printed);
        QVERIFY(red > 50);
        // Spaces printed over it leave it alone: text has no background.
        canvas_->surface().setCurrentY(600);
        canvas_->surface().print(QStringLiteral("      "));
        QCOMPARE(pixelsOf(canvas_->image(), colours::red, printed), red);
        QCOMPARE(pixelsOf(canvas_->image(), colours::red, QRect(0, 0, 100, 35)), 0);
    }

    void clearErasesAndKeepsTheColour()
    {
        canvas_->surface().setForeColor(4);
        canvas_->surface().print(QStringLiteral("間違いだぞ"));
        canvas_->surface().clear();
        QCOMPARE(canvas_->printedText(), QString());
        QCOMPARE(canvas_->accessibleDescription(), QString());
        QCOMPARE(canvas_->surface().currentY(), 0.0);
        QCOMPARE(pixelsOf(canvas_->image(), colours::red, canvas_->rect()), 0);
        canvas_->surface().print(QStringLiteral("■"));
        QVERIFY(pixelsOf(canvas_->image(), colours::red, canvas_->rect()) > 0);
    }

    void printedLinesReachScreenReaders()
    {
        canvas_->surface().newLine();
        canvas_->surface().print(QStringLiteral("　【問題２】"));
        canvas_->surface().print(QStringLiteral("　　　　下の解答群から選びなさい。   "));
        QCOMPARE(canvas_->accessibleDescription(),
                 QStringLiteral("　【問題２】\n　　　　下の解答群から選びなさい。"));
    }

    void wordsStandWhereTheyAreGivenAndReadAsPrinted()
    {
        const QString label = QStringLiteral("  -3/2       1   x");
        canvas_->surface().printWordsAt(label, {QPointF(150, 10), QPointF(20, 40), QPointF(300, 10)}, false);
        QCOMPARE(canvas_->printedText(), QStringLiteral("  -3/2       1   x"));
        QCOMPARE(canvas_->accessibleDescription(), QStringLiteral("  -3/2       1   x"));
        QCOMPARE(canvas_->surface().currentX(), 0.0);
        QCOMPARE(canvas_->surface().currentY(), 225.0);
        // Each word's ink lies right of and below its own corner, within its line.
        const QFontMetricsF metrics(canvas_->font());
        const struct {
            QString word;
            QPoint corner;
        } words[] = {{QStringLiteral("-3/2"), {150, 10}}, {QStringLiteral("1"), {20, 40}}, {QStringLiteral("x"), {300, 10}}};
        for (const auto &[word, corner] : words) {
            const QRect line(corner, QSize(int(std::ceil(metrics.horizontalAdvance(word))) + 1, 16));
            QVERIFY2(inkIn(canvas_->image(), line) > 0, qPrintable(word));
        }
        QCOMPARE(inkIn(canvas_->image(), QRect(0, 0, 20, 80)), 0);
        QCOMPARE(inkIn(canvas_->image(), QRect(40, 0, 110, 80)), 0);

        canvas_->surface().setCurrentX(100);
        canvas_->surface().printWordsAt(QStringLiteral("5"), {QPointF(0, 0)}, true);
        QCOMPARE(canvas_->surface().currentX(), 100 + canvas_->surface().textWidth(QStringLiteral("5")));
    }

    void columnsAreAverageCharacterWidths()
    {
        canvas_->surface().printAtColumn(5, QStringLiteral("■"));
        QCOMPARE(canvas_->surface().currentX(), 0.0); // a new line follows
        const double width = 6; // two fifths of the 15-pixel font
        // The glyph's ink starts its side bearing after the column.
        const double inkStart = 4 * width + QFontMetricsF(canvas_->font()).tightBoundingRect(QStringLiteral("■")).left();
        const QImage &image = canvas_->image();
        int leftmost = -1;
        for (int x = 0; x < image.width() && leftmost < 0; ++x)
            for (int y = 0; y < image.height() / 4; ++y)
                if (image.pixelColor(x, y) == Qt::black)
                    leftmost = x;
        QVERIFY2(leftmost >= std::floor(inkStart) - 1, qPrintable(QString::number(leftmost)));
        QVERIFY2(leftmost <= std::ceil(inkStart) + 1, qPrintable(QString::number(leftmost)));
    }

private:
    std::optional<Canvas> canvas_;
};

QTEST_MAIN(CanvasTextTest)
#include "tst_canvas_text.moc"
