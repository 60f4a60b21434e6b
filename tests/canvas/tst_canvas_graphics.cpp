// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"
#include "palette_values.h"
#include "fonts.h"
#include "geometry.h"

#include <QTest>

#include <cmath>
#include <optional>

using namespace piyota;
using namespace piyota::testing;

namespace {

constexpr int kRed = 12;
constexpr int kLightGreen = 10;
constexpr int kLightBlue = 9;
constexpr int kGreen = 2;

double square(double x)
{
    return x * x;
}

double steepLine(double x)
{
    return 40 * x;
}

double steep(double x)
{
    return 100 * x * x + 40;
}

// The pixel a point of the graph panel's user scale falls in.
QPoint pixelOf(const Canvas &canvas, double x, double y)
{
    const QPointF p = canvas.surface().coordinates().toPixels(static_cast<float>(x), static_cast<float>(y));
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

QColor at(const Canvas &canvas, QPoint pixel)
{
    return canvas.image().pixelColor(pixel);
}

int countOf(const QImage &image, const QColor &color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

} // namespace

class CanvasGraphicsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        // The lecture's graph panel under the scale of its first graph.
        graph_.emplace(nullptr, QStringLiteral("Picture2"), lectureGraphPanel());
        graph_->surface().setScale(-4, 30, 4, -30);
    }

    void axesCrossAtTheOrigin()
    {
        graph_->surface().drawLine(-3.9, 0, 3.9, 0);
        graph_->surface().drawLine(0, 29, 0, -29);
        QCOMPARE(graph_->surface().currentX(), 0.0);
        QCOMPARE(graph_->surface().currentY(), -29.0);
        const QPoint origin = pixelOf(*graph_, 0, 0);
        QCOMPARE(origin, QPoint(graph_->image().width() / 2, graph_->image().height() / 2));
        for (double x : {-3.8, -1.0, 2.5, 3.8})
            QCOMPARE(at(*graph_, pixelOf(*graph_, x, 0)), QColor(Qt::black));
        for (double y : {-28.0, -5.0, 12.0, 28.0})
            QCOMPARE(at(*graph_, pixelOf(*graph_, 0, y)), QColor(Qt::black));
        // Short of the edges: the corners stay white.
        QCOMPARE(at(*graph_, QPoint(0, origin.y())), QColor(Qt::white));
        QCOMPARE(at(*graph_, QPoint(origin.x(), 0)), QColor(Qt::white));
    }

    void coloursOfLines()
    {
        graph_->surface().setForeColor(kLightBlue);
        graph_->surface().drawLine(-1, 10, 1, 10);
        graph_->surface().drawLine(2, -48, 2, 48, kGreen);
        QCOMPARE(at(*graph_, pixelOf(*graph_, 0, 10)), colours::lightBlue);
        QCOMPARE(at(*graph_, pixelOf(*graph_, 2, 0)), colours::green);
        graph_->surface().print(QStringLiteral("■"));
        QVERIFY(countOf(graph_->image(), colours::lightBlue) > 20); // the line's own colour did not stick
    }

    void textUnderAUserScaleMovesDownTheScreen()
    {
        const double lineHeight = 15; // one em of the 15-pixel font
        const double unitsPerPixel = 60.0 / (graph_->image().height() / graph_->image().devicePixelRatio());
        QCOMPARE(graph_->surface().textHeight(), -lineHeight * unitsPerPixel);
        graph_->surface().setCurrentX(-3);
        graph_->surface().setCurrentY(20);
        graph_->surface().print(QStringLiteral("y=x"));
        QCOMPARE(graph_->surface().currentX(), 0.0); // the y axis, not the left edge
        QCOMPARE(graph_->surface().currentY(), 20 - lineHeight * unitsPerPixel);
        graph_->surface().setCurrentX(-1);
        graph_->surface().printContinued(QStringLiteral("グラフより、"));
        QCOMPARE(graph_->surface().currentX(), -1 + graph_->surface().textWidth(QStringLiteral("グラフより、")));
        QVERIFY(graph_->surface().textWidth(QStringLiteral("グラフより、")) > 0);
    }

    void columnsUnderAUserScaleCountFromTheYAxis()
    {
        graph_->surface().printAtColumnContinued(3, QString());
        // Two columns of 6 pixels right of the y axis.
        QCOMPARE(graph_->surface().currentX(), 12 * 8.0 / graph_->contentsRect().width());
    }

    void clearKeepsScaleAndColour()
    {
        graph_->surface().setForeColor(kRed);
        graph_->surface().drawLine(-3, 5, 3, 5);
        graph_->surface().setCurrentX(2);
        graph_->surface().setCurrentY(7);
        graph_->surface().clear();
        QCOMPARE(countOf(graph_->image(), colours::lightRed), 0);
        QCOMPARE(graph_->surface().currentX(), 0.0);
        QCOMPARE(graph_->surface().currentY(), 0.0);
        graph_->surface().drawLine(-3, 5, 3, 5);
        QCOMPARE(at(*graph_, pixelOf(*graph_, 0, 5)), colours::lightRed);
    }

    void plotSetsSeparatePointsOnTheCurve()
    {
        graph_->surface().plot(square, -3, 3, 0.01, kLightBlue);
        const QColor blue = colours::lightBlue;
        for (double x : {-3.0, -2.0, -0.5, 0.0, 1.0, 1.5, 2.99})
            QVERIFY2(at(*graph_, pixelOf(*graph_, x, x * x)) == blue, qPrintable(QString::number(x)));
        // Nothing below the x axis, nothing beyond x = 3.
        for (double x : {-2.0, 1.0})
            QCOMPARE(at(*graph_, pixelOf(*graph_, x, -x * x)), QColor(Qt::white));
        QCOMPARE(at(*graph_, pixelOf(*graph_, 3.2, 3.2 * 3.2)), QColor(Qt::white));
        // 601 points, many sharing a pixel near the vertex.
        const int points = countOf(graph_->image(), blue);
        QVERIFY2(points > 200 && points <= 601, qPrintable(QString::number(points)));
        // The current point is the last point.
        QCOMPARE(graph_->surface().currentX(), double(3.0f));
        QCOMPARE(graph_->surface().currentY(), double(9.0f));
    }

    void pointsAreNeverJoined()
    {
        // Points 0.4 units (about 1.5 pixels) apart up the screen. The
        // accumulated steps pass 0.5 by a hair, so x = 0.49 is the last.
        graph_->surface().plot(steepLine, -0.5, 0.5, 0.01, kRed);
        QCOMPARE(countOf(graph_->image(), colours::lightRed), 100);
        QCOMPARE(graph_->surface().currentX(), double(0.49f));
        const int top = pixelOf(*graph_, 0.49, steepLine(0.49)).y();
        const int bottom = pixelOf(*graph_, -0.5, steepLine(-0.5)).y();
        QVERIFY(bottom - top > 140);
    }

    void highlightCoversBothEnds()
    {
        graph_->surface().plot(square, -3, 3, 0.01, kLightGreen);
        graph_->surface().plot(square, -2, 1, 0.001, kRed);
        QCOMPARE(at(*graph_, pixelOf(*graph_, -2, 4)), colours::lightRed);
        QCOMPARE(at(*graph_, pixelOf(*graph_, 1, 1)), colours::lightRed);
        QCOMPARE(at(*graph_, pixelOf(*graph_, 2, 4)), colours::lightGreen);
        QCOMPARE(at(*graph_, pixelOf(*graph_, -2.5, 6.25)), colours::lightGreen);
    }

    void pointsOutsideThePanelAreClipped()
    {
        graph_->surface().plot(steep, -3, 3, 0.01, kRed);
        QCOMPARE(countOf(graph_->image(), colours::lightRed), 0);
        QCOMPARE(graph_->surface().currentY(), double(static_cast<float>(steep(graph_->surface().currentX()))));
    }

    void circleMarksAPoint()
    {
        graph_->surface().setScale(-3, 40, 7, -40);
        graph_->surface().drawCircle(2, 0, 0.1, kRed);
        QCOMPARE(graph_->surface().currentX(), 2.0);
        QCOMPARE(graph_->surface().currentY(), 0.0);
        const QPoint centre = pixelOf(*graph_, 2, 0);
        const double radius = graph_->surface().coordinates().horizontalPixels(0.1);
        QVERIFY(radius > 2);
        QCOMPARE(at(*graph_, centre), QColor(Qt::white));
        const int r = int(std::lround(radius));
        int ringPixels = 0;
        for (QPoint offset : {QPoint(r, 0), QPoint(-r, 0), QPoint(0, r), QPoint(0, -r)}) {
            for (int d = -1; d <= 1; ++d)
                ringPixels += at(*graph_, centre + offset + QPoint(offset.y() ? d : 0, offset.x() ? d : 0)) == colours::lightRed;
        }
        QVERIFY(ringPixels >= 4);
    }

    void filledCircleCoversItsDiscOnly()
    {
        graph_->surface().setScale(-3, 40, 7, -40);
        graph_->surface().drawLine(-3, 0, 7, 0, kLightGreen);
        graph_->surface().fillCircle(2, 20, 0.5, kRed);
        QCOMPARE(graph_->surface().currentX(), 2.0);
        QCOMPARE(graph_->surface().currentY(), 20.0);
        const QPoint centre = pixelOf(*graph_, 2, 20);
        const int r = int(graph_->surface().coordinates().horizontalPixels(0.5));
        QVERIFY(r > 4);
        for (int dy = -r + 1; dy < r; ++dy)
            for (int dx = -r + 1; dx < r; ++dx)
                if (dx * dx + dy * dy < (r - 1) * (r - 1))
                    QCOMPARE(at(*graph_, centre + QPoint(dx, dy)), colours::lightRed);
        QCOMPARE(at(*graph_, centre + QPoint(r + 2, 0)), QColor(Qt::white));
        // Painted again in the background colour it leaves the axis below it whole.
        graph_->surface().fillCircle(2, 20, 0.5, 15);
        QCOMPARE(countOf(graph_->image(), colours::lightRed), 0);
        QCOMPARE(at(*graph_, pixelOf(*graph_, 2, 0)), colours::lightGreen);
    }

private:
    std::optional<Canvas> graph_;
};

QTEST_MAIN(CanvasGraphicsTest)
#include "tst_canvas_graphics.moc"
