#include "wheel_drawing.h"

#include "canvas/canvas.h"
#include "platform/fonts.h"
#include "wheel_geometry.h"

#include <QFont>

#include <iterator>

namespace piyota::roulette {

namespace {

constexpr int kBlack = 0;
constexpr double kDotStep = 0.01;    // radians between the points of a circle
constexpr int kSectorLabelLines = 13;

struct SectorLabel {
    int line;
    int column;
    const char16_t *text;
};

// Sectors 1 and 5 get an empty text; sector 7 none at all.
constexpr SectorLabel kSectorLabels[] = {
    {4, 26, u"5000"}, {5, 33, u""}, {7, 19, u"-10000"}, {8, 35, u"10000"},
    {9, 20, u"30000"}, {12, 22, u""}, {13, 30, u" 8000"},
};

void drawCircleOfPoints(Canvas &canvas, double radius)
{
    for (double t = 0; t <= 2 * kPi; t += kDotStep) {
        const QPointF point = wheelPoint(t, radius);
        canvas.drawPoint(point.x(), point.y(), kBlack);
    }
}

} // namespace

// The fixed-pitch gothic: the proportional one's wider digits reach over
// the sector lines.
QFont labelFont()
{
    QFont font = gothicFont(9);
    font.setFamilies({QStringLiteral("IPAGothic")});
    return font;
}

void printSectorLabels(Canvas &canvas)
{
    const SectorLabel *label = std::begin(kSectorLabels);
    for (int line = 1; line <= kSectorLabelLines; ++line) {
        if (label != std::end(kSectorLabels) && label->line == line) {
            canvas.printAtColumn(label->column, QString::fromUtf16(label->text));
            ++label;
        } else {
            canvas.print(QString());
        }
    }
}

void drawWheel(Canvas &canvas)
{
    drawCircleOfPoints(canvas, kInnerRadius);
    drawCircleOfPoints(canvas, kOuterRadius);
    for (int j = 0; j < kCellCount; ++j) {
        const double t = j * kCellAngle - kHalfCell;
        const QPointF inner = wheelPoint(t, kInnerRadius);
        const QPointF outer = wheelPoint(t, kOuterRadius);
        canvas.drawLine(inner.x(), inner.y(), outer.x(), outer.y(), kBlack);
    }
    for (int j = 0; j < kSectorCount; ++j) {
        const QPointF rim = wheelPoint(j * kSectorAngle - kHalfCell, kInnerRadius);
        canvas.drawLine(kCentre.x(), kCentre.y(), rim.x(), rim.y(), kBlack);
    }
}

void paintBall(Canvas &canvas, QPointF centre, int paletteIndex)
{
    canvas.fillCircle(centre.x(), centre.y(), kBallRadius, paletteIndex);
}

} // namespace piyota::roulette
