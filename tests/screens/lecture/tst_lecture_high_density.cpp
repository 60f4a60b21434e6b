// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/progress_files.h"
#include "fakes/test_app.h"

#include "canvas.h"
#include "canvas/palette_values.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace piyota;
using namespace piyota::testing;

namespace {

// The device pixels (their centres) that fall in logical pixel k, along one axis.
std::pair<int, int> devicePixelsOf(int k, qreal ratio)
{
    const int first = int(std::ceil(k * ratio - 0.5));
    const int end = int(std::ceil((k + 1) * ratio - 0.5));
    return {first, end};
}

bool isGrey(QRgb pixel)
{
    const int spread = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)})
                       - std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    return spread < 8;
}

// How soft the black text of an image is: the share of its grey ink pixels
// that are neither near black nor near white. Antialiasing leaves a one
// pixel fringe; a blurred upscale widens it.
double softEdgeShare(const QImage &image)
{
    int ink = 0;
    int soft = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (!isGrey(pixel) || qGray(pixel) >= 224)
                continue;
            ++ink;
            soft += qGray(pixel) > 48;
        }
    }
    return ink == 0 ? 1.0 : double(soft) / ink;
}

// The black lines of a panel as they would look printed at ratio 1 and
// smoothly stretched to the panel's device size.
QImage smoothUpscaleOfRatio1(const Canvas &panel)
{
    const QImage &image = panel.image();
    QImage ratio1(image.deviceIndependentSize().toSize(), QImage::Format_ARGB32_Premultiplied);
    ratio1.fill(Qt::white);
    QPainter painter(&ratio1);
    painter.setFont(panel.font());
    const int lineHeight = QFontInfo(panel.font()).pixelSize();
    const QStringList lines = panel.printedText().split(u'\n');
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QPointF(0, i * lineHeight + QFontMetricsF(panel.font()).ascent()), lines[i]);
    painter.end();
    return ratio1.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

// A lecture page on a high-density screen: the test runs at the device pixel
// ratio QT_SCALE_FACTOR gives it (1, 1.5 and 2 in CTest).
class LectureHighDensityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        app_.emplace();
        app_->course.problemNo = 3; // lecture 1
        app_->course.userCode = u"zq"_s;
        QVERIFY(writeBytes(app_->filePath(u"zq.ucd"_s), progressFileAt(3, 0)));
        app_->navigator.show(ScreenId::Lecture);
        ratio_ = qApp->devicePixelRatio();
    }

    void panelsDrawAtTheDevicePixelRatio()
    {
        for (int number = 1; number <= 3; ++number) {
            const QImage &image = panel(number)->image();
            QCOMPARE(image.devicePixelRatio(), ratio_);
            QCOMPARE(image.size(), (QSizeF(panel(number)->contentsRect().size()) * ratio_).toSize());
        }
    }

    void linesAndPointsStayOneLogicalPixel()
    {
        next(); // page 1: the axes and the curves y = x^2, 2x^2, 3x^2
        const Canvas &graph = *panel(2);
        const QImage &image = graph.image();

        // The x axis, crossed where no curve is near.
        const QPointF axis = graph.surface().coordinates().toPixels(-3.5, 0);
        const auto [first, end] = devicePixelsOf(int(std::floor(axis.y())), ratio_);
        const int column = devicePixelsOf(int(std::floor(axis.x())), ratio_).first;
        QList<int> black;
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(column, y) == QColor(Qt::black))
                black << y;
        }
        QVERIFY(!black.isEmpty());
        QCOMPARE(black.last() - black.first() + 1, black.size()); // one stroke
        if (ratio_ == std::floor(ratio_)) {
            QCOMPARE(black.first(), first);
            QCOMPARE(black.size(), end - first);
        } else { // a stroke of a fraction of pixels takes the nearest whole number
            QVERIFY(black.first() >= first - 1 && black.last() <= end);
            QVERIFY(black.size() >= int(std::floor(ratio_)) && black.size() <= int(std::ceil(ratio_)));
        }

        // Every point of y = 3x^2 fills the whole logical pixel it was set in
        // (where logical pixels are whole blocks of device pixels).
        if (ratio_ != std::floor(ratio_))
            return;
        const QColor red = colours::lightRed;
        const int fromRow = int(graph.surface().coordinates().toPixels(0, 8).y() * ratio_);
        int points = 0;
        for (int y = fromRow; y < int(axis.y() * ratio_) - 2; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != red)
                    continue;
                ++points;
                const int logicalX = int(std::floor((x + 0.5) / ratio_));
                const int logicalY = int(std::floor((y + 0.5) / ratio_));
                const auto [left, right] = devicePixelsOf(logicalX, ratio_);
                const auto [top, bottom] = devicePixelsOf(logicalY, ratio_);
                for (int dy = top; dy < bottom; ++dy)
                    for (int dx = left; dx < right; ++dx)
                        QVERIFY2(image.pixelColor(dx, dy) == red, qPrintable(u"%1,%2"_s.arg(dx).arg(dy)));
            }
        }
        QVERIFY(points > 20);
    }

    void textIsDrawnAtDeviceResolution()
    {
        if (ratio_ < 1.5)
            QSKIP("at ratio 1 there is no upscale to tell apart");
        const Canvas &text = *panel(1); // the introduction
        const double sharp = softEdgeShare(text.image());
        const double blurred = softEdgeShare(smoothUpscaleOfRatio1(text));
        QVERIFY2(sharp < 0.75 * blurred, qPrintable(u"soft edges: %1 of the ink, %2 upscaled"_s.arg(sharp).arg(blurred)));
        if (ratio_ != 2)
            return;
        // Not a pixel-doubled ratio 1 picture either: blocks of 2 x 2 pixels
        // along the strokes differ within.
        const QImage &image = text.image();
        int inkBlocks = 0;
        int mixedBlocks = 0;
        for (int y = 0; y + 1 < image.height(); y += 2) {
            for (int x = 0; x + 1 < image.width(); x += 2) {
                const QRgb block[] = {image.pixel(x, y), image.pixel(x + 1, y), image.pixel(x, y + 1),
                                      image.pixel(x + 1, y + 1)};
                if (std::all_of(std::begin(block), std::end(block), [](QRgb p) { return qGray(p) >= 224; }))
                    continue;
                ++inkBlocks;
                mixedBlocks += std::any_of(std::begin(block), std::end(block), [&](QRgb p) { return p != block[0]; });
            }
        }
        QVERIFY2(mixedBlocks > inkBlocks / 2, qPrintable(u"%1 of %2"_s.arg(mixedBlocks).arg(inkBlocks)));
    }

    void picturesKeepTheirPixels()
    {
        for (const QString &name : {u"Image1"_s, u"Image3"_s}) {
            auto *image = app_->navigator.currentScreen()->findChild<QLabel *>(name);
            const QImage source = image->pixmap().toImage();
            const QImage shown = image->grab().toImage();
            QCOMPARE(shown.size(), (QSizeF(image->size()) * ratio_).toSize());
            // Each pixel shows a colour of the picture or, where it is
            // transparent, the window: nothing blended, nothing blurred.
            QSet<QRgb> colours;
            for (int y = 0; y < source.height(); ++y)
                for (int x = 0; x < source.width(); ++x)
                    colours.insert(qAlpha(source.pixel(x, y)) == 255 ? source.pixel(x, y)
                                                                      : image->palette().color(QPalette::Window).rgb());
            QSet<QRgb> seen;
            for (int y = 0; y < shown.height(); ++y) {
                for (int x = 0; x < shown.width(); ++x) {
                    const QRgb pixel = shown.pixel(x, y) | 0xff000000;
                    QVERIFY2(colours.contains(pixel), qPrintable(u"%1 at %2,%3"_s.arg(pixel, 8, 16).arg(x).arg(y)));
                    seen.insert(pixel);
                }
            }
            QCOMPARE(seen.size(), colours.size()); // no colour lost either
        }
    }

private:
    Canvas *panel(int number) const
    {
        return app_->navigator.currentScreen()->findChild<Canvas *>(u"Picture%1"_s.arg(number));
    }
    void next() { app_->navigator.currentScreen()->findChild<QPushButton *>(u"Command1"_s)->click(); }

    std::optional<TestApp> app_;
    qreal ratio_ = 1;
};

QTEST_MAIN(LectureHighDensityTest)
#include "tst_lecture_high_density.moc"
