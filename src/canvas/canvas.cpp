#include "canvas.h"

#include "accessible_role.h"
#include "palette.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <cmath>

namespace piyota {

namespace {

constexpr int kBorderPixels = 2;
// Room kept between a text's ink and the panel's right edge, in pixels.
constexpr double kInkMargin = 1.5;
// The smoothing around a glyph's outline, in pixels.
constexpr double kSmoothing = 1;
// How far a line may be condensed to fit: below this share of its width it
// no longer reads well.
constexpr double kReadableStretch = 0.8;
// How far a line may be raised to keep its descenders in view, in ems.
constexpr double kMostLift = 1.0 / 3;
// How far above its formula an exponent digit may stand, in ems.
constexpr double kMostRaise = 0.5;

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
    const double drawn = drawText(text, what);
    recordText(text);
    currentX_ += coordinates_.horizontalUnits(drawn);
}

void Canvas::newLine(int count)
{
    for (int i = 0; i < count; ++i)
        print(QString());
}

void Canvas::printAtColumn(int column, const QString &text)
{
    currentX_ = columnX(column);
    printAs(text, Drawing::Label);
}

void Canvas::printAtColumnContinued(int column, const QString &text)
{
    currentX_ = columnX(column);
    printContinuedAs(text, Drawing::Label);
}

void Canvas::printWordsAt(const QString &text, const std::vector<QPointF> &wordPixels, bool continued)
{
    static const QRegularExpression word(QStringLiteral("\\S+"));
    auto pixel = wordPixels.begin();
    for (auto it = word.globalMatch(text); it.hasNext() && pixel != wordPixels.end(); ++pixel)
        drawTextAt(it.next().captured(), Drawing::Label, *pixel);
    recordText(text);
    if (continued) {
        currentX_ += textWidth(text);
        return;
    }
    endRecordedLine();
    currentX_ = 0;
    currentY_ += textHeight();
}

double Canvas::columnX(int column) const
{
    return coordinates_.horizontalUnits(columnWidth() * (column - 1));
}

QRectF Canvas::inkRect(const QString &text, double x, double y) const
{
    const QFontMetricsF metrics(font());
    return metrics.tightBoundingRect(text).translated(coordinates_.toPixels(x, y) + QPointF(0, metrics.ascent()));
}

// Text columns are two fifths of the font's size: the average character
// width of the proportional fonts the screens were laid out for. Our fonts
// average wider, which would push the graph labels off the panels.
double Canvas::columnWidth() const
{
    return 0.4 * QFontInfo(font()).pixelSize();
}

void Canvas::printExponentLine(const QString &exponentLine, const QString &formulaLine,
                               double formulaX, std::optional<double> formulaY)
{
    const QString digits = exponentDigits(exponentLine);
    const QFontMetricsF metrics(font());
    FormulaLayout layout = layoutFormula(metrics, exponentLine, formulaLine);
    // The formula's own placement, condensed where it has to be: its digits follow it.
    const QPointF formulaStart = coordinates_.toPixels(formulaX, formulaY.value_or(currentY_));
    const TextPlacement formula = placeText(formulaLine, formulaStart, layout.extraWidth());
    QPointF topLeft = coordinates_.toPixels(formulaX, currentY_);
    if (formulaY)
        topLeft.ry() = std::max(topLeft.y(), formulaStart.y() - kMostRaise * QFontInfo(font()).pixelSize());
    for (qsizetype k = 0; k < digits.size(); ++k) {
        topLeft.rx() = formula.origin.x() + formula.stretch * layout.digitOffsets[static_cast<std::size_t>(k)];
        drawTextAt(QString(digits[k]), Drawing::Exponent, topLeft);
    }
    recordText(exponentLine);
    endRecordedLine();
    pendingExponent_ = PendingExponent{lines_.size() - 1, formulaLine,
                                       formulaWithExponents(exponentLine, formulaLine), std::move(layout)};
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

double Canvas::drawText(const QString &text, Drawing what)
{
    return drawTextAt(text, what, coordinates_.toPixels(currentX_, currentY_));
}

// A formula line printed after its exponent line is drawn with the gaps its
// digits needed widened.
double Canvas::drawTextAt(const QString &text, Drawing what, QPointF topLeft)
{
    if (text.isEmpty())
        return 0;
    const QFontMetricsF metrics(font());
    std::vector<FormulaLayout::Widening> widenings;
    if (pendingExponent_ && what == Drawing::Text && text == pendingExponent_->formula)
        widenings = pendingExponent_->layout.widenings;
    double extraWidth = 0;
    for (const FormulaLayout::Widening &widening : widenings)
        extraWidth += widening.pixels;

    const TextPlacement placement = placeText(text, topLeft, extraWidth);
    QPainter painter(&image_);
    painter.setFont(font());
    painter.setPen(foreColor_);
    painter.translate(placement.origin);
    painter.scale(placement.stretch, 1);
    double x = 0;
    qsizetype from = 0;
    for (const FormulaLayout::Widening &widening : widenings) {
        const QString piece = text.mid(from, widening.at - from);
        painter.drawText(QPointF(x, 0), piece);
        x += metrics.horizontalAdvance(piece) + widening.pixels;
        from = widening.at;
    }
    painter.drawText(QPointF(x, 0), text.mid(from));
    painter.end();
    drawingChanged();
    Q_EMIT drawn(what, text);
    return placement.stretch * (metrics.horizontalAdvance(text) + extraWidth);
}

Canvas::TextPlacement Canvas::placeText(const QString &text, QPointF topLeft, double extraWidth) const
{
    const QFontMetricsF metrics(font());
    // The glyphs' outlines, and the pixel of smoothing around them.
    const QRectF ink = metrics.tightBoundingRect(text).adjusted(-kSmoothing, -kSmoothing, extraWidth + kSmoothing,
                                                                kSmoothing);
    const QSizeF size = drawingSize();
    TextPlacement placement{topLeft + QPointF(0, metrics.ascent())};
    if (text.trimmed().isEmpty())
        return placement;

    const double right = size.width() - kInkMargin;
    if (placement.origin.x() + ink.right() > right && ink.right() > 0)
        placement.stretch = std::max(kReadableStretch, (right - placement.origin.x()) / ink.right());

    // Vertically a text moves only where the edge would cut its ink: lines
    // a full em high may touch the edges of a box just as high as they are.
    const double top = placement.origin.y() + ink.top() + kSmoothing;
    const double bottom = placement.origin.y() + ink.bottom() - kSmoothing;
    const double mostLift = kMostLift * QFontInfo(font()).pixelSize();
    if (top < 0)
        placement.origin.ry() -= top;
    else if (bottom > size.height())
        placement.origin.ry() -= std::min(mostLift, bottom - size.height());
    return placement;
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
