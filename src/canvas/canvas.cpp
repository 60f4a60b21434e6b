#include "canvas.h"

#include "exponent_placement.h"
#include "palette.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

namespace piyota {

namespace {

constexpr int kBorderPixels = 2;

} // namespace

Canvas::Canvas(QWidget *parent, const QString &name, const QRect &geometry, const QFont &font,
               const QColor &background)
    : QFrame(parent)
    , background_(background)
    , coordinates_(CoordinateSystem::twips(
          QSizeF(geometry.size()) - QSizeF(2 * kBorderPixels, 2 * kBorderPixels)))
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderPixels);
    setGeometry(geometry);
    setFont(font);
    const qreal ratio = qApp->devicePixelRatio();
    image_ = QImage((QSizeF(contentsRect().size()) * ratio).toSize(),
                    QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio);
    image_.fill(background_);
}

void Canvas::print(const QString &text)
{
    drawText(text);
    recordText(text);
    endRecordedLine();
    currentX_ = 0;
    currentY_ += textHeight();
}

void Canvas::printContinued(const QString &text)
{
    drawText(text);
    recordText(text);
    currentX_ += textWidth(text);
}

void Canvas::newLine(int count)
{
    for (int i = 0; i < count; ++i)
        print(QString());
}

void Canvas::printAtColumn(int column, const QString &text)
{
    currentX_ = coordinates_.horizontalUnits(QFontMetricsF(font()).averageCharWidth() * (column - 1));
    print(text);
}

void Canvas::printExponentLine(const QString &exponentLine, const QString &formulaLine,
                               double formulaX)
{
    const QString digits = exponentDigits(exponentLine);
    const std::vector<double> offsets =
        exponentDigitOffsets(QFontMetricsF(font()), exponentLine, formulaLine);
    for (qsizetype k = 0; k < digits.size(); ++k) {
        currentX_ = formulaX + coordinates_.horizontalUnits(offsets[static_cast<std::size_t>(k)]);
        drawText(QString(digits[k]));
    }
    recordText(exponentLine);
    endRecordedLine();
    currentX_ = 0;
    currentY_ += textHeight();
}

void Canvas::setForeColor(int paletteIndex)
{
    foreColor_ = paletteColor(paletteIndex);
}

void Canvas::clear()
{
    image_.fill(background_);
    currentX_ = 0;
    currentY_ = 0;
    lines_.clear();
    lineOpen_ = false;
    setAccessibleDescription(QString());
    drawingChanged();
}

double Canvas::textWidth(const QString &text) const
{
    return coordinates_.horizontalUnits(QFontMetricsF(font()).horizontalAdvance(text));
}

double Canvas::textHeight() const
{
    return coordinates_.verticalUnits(QFontMetricsF(font()).height());
}

void Canvas::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

void Canvas::drawText(const QString &text)
{
    if (text.isEmpty())
        return;
    QPainter painter(&image_);
    painter.setFont(font());
    painter.setPen(foreColor_);
    const QPointF topLeft = coordinates_.toPixels(currentX_, currentY_);
    painter.drawText(topLeft + QPointF(0, QFontMetricsF(font()).ascent()), text);
    drawingChanged();
}

void Canvas::recordText(const QString &text)
{
    if (!lineOpen_) {
        lines_.append(QString());
        lineOpen_ = true;
    }
    lines_.last() += text;
}

void Canvas::endRecordedLine()
{
    lineOpen_ = false;
    QString &line = lines_.last();
    while (!line.isEmpty() && line.back().isSpace())
        line.chop(1);
    QStringList readable = lines_;
    readable.removeAll(QString());
    setAccessibleDescription(readable.join(QLatin1Char('\n')));
}

} // namespace piyota
