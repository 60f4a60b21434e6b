#include "canvas.h"

#include "accessible_role.h"
#include "exponent_placement.h"
#include "palette.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <cmath>

namespace piyota {

namespace {

constexpr int kBorderPixels = 2;

// The centre of the pixel a point falls in: one-pixel lines stay sharp.
QPointF pixelCentre(QPointF point)
{
    return {std::floor(point.x()) + 0.5, std::floor(point.y()) + 0.5};
}

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
    // A picture box to screen readers, not a bare frame; its description
    // is the text printed on it.
    setAccessibleRole(staticMetaObject, QAccessible::Graphic);
}

void Canvas::print(const QString &text)
{
    printAs(text, Drawing::Text);
}

void Canvas::printContinued(const QString &text)
{
    printContinuedAs(text, Drawing::Text);
}

void Canvas::printAs(const QString &text, Drawing what)
{
    drawText(text, what);
    recordText(text);
    endRecordedLine();
    currentX_ = 0;
    currentY_ += textHeight();
}

void Canvas::printContinuedAs(const QString &text, Drawing what)
{
    drawText(text, what);
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
    moveToColumn(column);
    printAs(text, Drawing::Label);
}

void Canvas::printAtColumnContinued(int column, const QString &text)
{
    moveToColumn(column);
    printContinuedAs(text, Drawing::Label);
}

void Canvas::moveToColumn(int column)
{
    currentX_ = coordinates_.horizontalUnits(columnWidth() * (column - 1));
}

// Text columns are two fifths of the font's size: the average character
// width of the proportional fonts the screens were laid out for. Our fonts
// average wider, which would push the graph labels off the panels.
double Canvas::columnWidth() const
{
    return 0.4 * QFontInfo(font()).pixelSize();
}

void Canvas::printExponentLine(const QString &exponentLine, const QString &formulaLine,
                               double formulaX)
{
    const QString digits = exponentDigits(exponentLine);
    const std::vector<double> offsets =
        exponentDigitOffsets(QFontMetricsF(font()), exponentLine, formulaLine);
    for (qsizetype k = 0; k < digits.size(); ++k) {
        currentX_ = formulaX + coordinates_.horizontalUnits(offsets[static_cast<std::size_t>(k)]);
        drawText(QString(digits[k]), Drawing::Exponent);
    }
    recordText(exponentLine);
    endRecordedLine();
    pendingExponent_ = PendingExponent{lines_.size() - 1, formulaLine,
                                       formulaWithExponents(exponentLine, formulaLine)};
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
    readableLines_.clear();
    pendingExponent_.reset();
    lineOpen_ = false;
    setAccessibleDescription(QString());
    drawingChanged();
    Q_EMIT drawn(Drawing::Clear, QString());
}

void Canvas::setScale(double x1, double y1, double x2, double y2)
{
    coordinates_ = CoordinateSystem::scaled(drawingSize(), x1, y1, x2, y2);
}

void Canvas::drawLine(double x1, double y1, double x2, double y2)
{
    drawLineIn(x1, y1, x2, y2, foreColor_);
}

void Canvas::drawLine(double x1, double y1, double x2, double y2, int paletteIndex)
{
    drawLineIn(x1, y1, x2, y2, paletteColor(paletteIndex));
}

void Canvas::drawPoint(double x, double y, int paletteIndex)
{
    QPainter painter(&image_);
    setPixel(painter, static_cast<float>(x), static_cast<float>(y), paletteColor(paletteIndex));
    painter.end();
    drawingChanged();
    Q_EMIT drawn(Drawing::Graphics, QString());
}

void Canvas::plot(double (*curve)(double), double from, double to, double step, int paletteIndex)
{
    const QColor color = paletteColor(paletteIndex);
    QPainter painter(&image_);
    for (double x = from; x <= to; x += step)
        setPixel(painter, static_cast<float>(x), static_cast<float>(curve(x)), color);
    painter.end();
    drawingChanged();
    Q_EMIT drawn(Drawing::Graphics, QString());
}

void Canvas::drawCircle(double x, double y, double radius, int paletteIndex)
{
    drawEllipseIn(x, y, radius, paletteColor(paletteIndex), Qt::NoBrush);
}

void Canvas::fillCircle(double x, double y, double radius, int paletteIndex)
{
    drawEllipseIn(x, y, radius, paletteColor(paletteIndex), Qt::SolidPattern);
}

void Canvas::drawEllipseIn(double x, double y, double radius, const QColor &color, Qt::BrushStyle fill)
{
    const QPointF centre = coordinates_.toPixels(x, y);
    const double pixels = std::abs(coordinates_.horizontalPixels(radius));
    QPainter painter(&image_);
    painter.setPen(linePen(color));
    painter.setBrush(QBrush(color, fill));
    painter.drawEllipse(pixelCentre(centre), pixels, pixels);
    painter.end();
    currentX_ = x;
    currentY_ = y;
    drawingChanged();
    Q_EMIT drawn(Drawing::Graphics, QString());
}

void Canvas::drawLineIn(double x1, double y1, double x2, double y2, const QColor &color)
{
    QPainter painter(&image_);
    painter.setPen(linePen(color));
    painter.drawLine(pixelCentre(coordinates_.toPixels(x1, y1)), pixelCentre(coordinates_.toPixels(x2, y2)));
    painter.end();
    currentX_ = x2;
    currentY_ = y2;
    drawingChanged();
    Q_EMIT drawn(Drawing::Graphics, QString());
}

// One logical pixel wide at any device pixel ratio, as a plotted point is.
QPen Canvas::linePen(const QColor &color) const
{
    QPen pen(color, image_.devicePixelRatio());
    pen.setCosmetic(true);
    return pen;
}

// Points are set in single precision, as the drawing model takes them.
void Canvas::setPixel(QPainter &painter, float x, float y, const QColor &color)
{
    const QPointF pixel = coordinates_.toPixels(x, y);
    painter.fillRect(QRectF(std::floor(pixel.x()), std::floor(pixel.y()), 1, 1), color);
    currentX_ = x;
    currentY_ = y;
}

double Canvas::textWidth(const QString &text) const
{
    return coordinates_.horizontalUnits(QFontMetricsF(font()).horizontalAdvance(text));
}

// A text line is one em high: the fixed print positions of the questions and
// lectures were laid out for lines of exactly the font's size.
double Canvas::textHeight() const
{
    return coordinates_.verticalUnits(QFontInfo(font()).pixelSize());
}

void Canvas::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
    if (hasFocus()) { // a canvas given the focus, for its text to be read out, shows it
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void Canvas::drawText(const QString &text, Drawing what)
{
    if (text.isEmpty())
        return;
    QPainter painter(&image_);
    painter.setFont(font());
    painter.setPen(foreColor_);
    const QPointF topLeft = coordinates_.toPixels(currentX_, currentY_);
    painter.drawText(topLeft + QPointF(0, QFontMetricsF(font()).ascent()), text);
    painter.end();
    drawingChanged();
    Q_EMIT drawn(what, text);
}

void Canvas::recordText(const QString &text)
{
    QString readable = text;
    if (pendingExponent_ && !text.isEmpty()) {
        if (text == pendingExponent_->formula) {
            readable = pendingExponent_->readable;
            readableLines_[pendingExponent_->line].clear();
        }
        pendingExponent_.reset();
    }
    if (!lineOpen_) {
        lines_.append(QString());
        readableLines_.append(QString());
        lineOpen_ = true;
    }
    lines_.last() += text;
    readableLines_.last() += readable;
}

void Canvas::endRecordedLine()
{
    lineOpen_ = false;
    for (QString *line : {&lines_.last(), &readableLines_.last()}) {
        while (!line->isEmpty() && line->back().isSpace())
            line->chop(1);
    }
    QStringList readable = readableLines_;
    readable.removeAll(QString());
    setAccessibleDescription(readable.join(QLatin1Char('\n')));
}

} // namespace piyota
