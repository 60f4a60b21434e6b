// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface.h"

#include "palette.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace piyota {

namespace {

// How far above its formula an exponent digit may stand, in ems.
constexpr double kMostRaise = 0.5;

// The centre of the pixel a point falls in: one-pixel lines stay sharp.
QPointF pixelCentre(QPointF point)
{
    return {std::floor(point.x()) + 0.5, std::floor(point.y()) + 0.5};
}

QPointF pixelCorner(QPointF point)
{
    return {std::floor(point.x()), std::floor(point.y())};
}

} // namespace

Surface::Surface(QSizeF size, const QFont &font, const QColor &background)
    : size_(size), font_(font), background_(background), coordinates_(CoordinateSystem::twips(size))
{
}

void Surface::print(const QString &text)
{
    printAs(text, Drawing::Text);
}

void Surface::printContinued(const QString &text)
{
    printContinuedAs(text, Drawing::Text);
}

void Surface::print(const content::Print &literal)
{
    if (literal.continued)
        printContinued(literal.text);
    else
        print(literal.text);
}

void Surface::printAs(const QString &text, Drawing what)
{
    drawText(text, what, coordinates_.toPixels(currentX_, currentY_));
    recordText(text, text);
    endLine();
}

void Surface::printContinuedAs(const QString &text, Drawing what)
{
    const double drawn = drawText(text, what, coordinates_.toPixels(currentX_, currentY_));
    recordText(text, text);
    currentX_ += coordinates_.horizontalUnits(drawn);
}

void Surface::endLine()
{
    endRecordedLine();
    currentX_ = 0;
    currentY_ += textHeight();
}

void Surface::newLine(int count)
{
    for (int i = 0; i < count; ++i)
        print(QString());
}

void Surface::printAtColumn(int column, const QString &text)
{
    currentX_ = columnX(column);
    printAs(text, Drawing::Label);
}

void Surface::printAtColumnContinued(int column, const QString &text)
{
    currentX_ = columnX(column);
    printContinuedAs(text, Drawing::Label);
}

void Surface::printWordsAt(const QString &text, const std::vector<QPointF> &wordPixels, bool continued)
{
    static const QRegularExpression word(QStringLiteral("\\S+"));
    auto pixel = wordPixels.begin();
    for (auto it = word.globalMatch(text); it.hasNext() && pixel != wordPixels.end(); ++pixel)
        drawText(it.next().captured(), Drawing::Label, *pixel);
    recordText(text, text);
    if (continued)
        currentX_ += textWidth(text);
    else
        endLine();
}

void Surface::printSquared(const content::Squared &formula, const Displacement &displacement)
{
    const QString &line = formula.line.text;
    const QString digits = exponentDigits(formula.exponentLine);
    const FormulaLayout layout = layoutFormula(QFontMetricsF(font_), formula.exponentLine, line);
    const double formulaX = formula.x.value_or(0);
    // The formula's own placement, condensed where it has to be: its digits follow it.
    const QPointF formulaStart = coordinates_.toPixels(formulaX, formula.y) + displacement.shift;
    const Placement placed = place(line, formulaStart, layout.extraWidth(), displacement.condense);
    const double indentation = QFontMetricsF(font_).horizontalAdvance(line.left(placed.indentation.length));
    QPointF topLeft = coordinates_.toPixels(formulaX, currentY_) + displacement.shift;
    topLeft.ry() = std::max(topLeft.y(), formulaStart.y() - kMostRaise * QFontInfo(font_).pixelSize());
    for (qsizetype k = 0; k < digits.size(); ++k) {
        const double offset = layout.digitOffsets[static_cast<std::size_t>(k)] - indentation;
        topLeft.rx() = placed.fit.origin.x() + placed.fit.stretch * offset;
        drawText(QString(digits[k]), Drawing::Exponent, topLeft);
    }
    recordText(formula.exponentLine, QString()); // read out in the formula line
    endLine();

    currentY_ = formula.y;
    currentX_ = formulaX;
    const double drawn = drawText(line, Drawing::Text, formulaStart, layout.widenings, displacement.condense);
    recordText(line, formulaWithExponents(formula.exponentLine, line));
    if (formula.line.continued)
        currentX_ += coordinates_.horizontalUnits(drawn);
    else
        endLine();
}

double Surface::columnX(int column) const
{
    return coordinates_.horizontalUnits(columnWidth() * (column - 1));
}

QRectF Surface::inkRect(const QString &text, double x, double y) const
{
    const QFontMetricsF metrics(font_);
    return metrics.tightBoundingRect(text).translated(coordinates_.toPixels(x, y) + QPointF(0, metrics.ascent()));
}

// Text columns are two fifths of the font's size: the average character
// width of the proportional fonts the screens were laid out for. Our fonts
// average wider, which would push the graph labels off the panels.
double Surface::columnWidth() const
{
    return 0.4 * QFontInfo(font_).pixelSize();
}

void Surface::setForeColor(int paletteIndex)
{
    foreColor_ = paletteColor(paletteIndex);
}

void Surface::clear()
{
    currentX_ = 0;
    currentY_ = 0;
    lines_.clear();
    readableLines_.clear();
    readableText_.clear();
    lineOpen_ = false;
    if (observer_)
        observer_->surfaceCleared();
}

void Surface::setScale(double x1, double y1, double x2, double y2)
{
    coordinates_ = CoordinateSystem::scaled(size_, x1, y1, x2, y2);
}

void Surface::drawLine(double x1, double y1, double x2, double y2)
{
    drawLineIn(x1, y1, x2, y2, foreColor_);
}

void Surface::drawLine(double x1, double y1, double x2, double y2, int paletteIndex)
{
    drawLineIn(x1, y1, x2, y2, paletteColor(paletteIndex));
}

void Surface::drawLineIn(double x1, double y1, double x2, double y2, const QColor &colour)
{
    mark(LineMark{{pixelCentre(coordinates_.toPixels(x1, y1)), pixelCentre(coordinates_.toPixels(x2, y2))}, colour});
    currentX_ = x2;
    currentY_ = y2;
}

// Points are set in single precision, as the drawing model takes them.
void Surface::drawPoint(double x, double y, int paletteIndex)
{
    const auto pointX = static_cast<float>(x);
    const auto pointY = static_cast<float>(y);
    mark(PointsMark{{pixelCorner(coordinates_.toPixels(pointX, pointY))}, paletteColor(paletteIndex)});
    currentX_ = pointX;
    currentY_ = pointY;
}

void Surface::plot(double (*curve)(double), double from, double to, double step, int paletteIndex)
{
    PointsMark points{{}, paletteColor(paletteIndex)};
    const QRectF inside(0, 0, size_.width() - 1, size_.height() - 1); // the corners of its pixels
    for (double x = from; x <= to; x += step) {
        currentX_ = static_cast<float>(x);
        currentY_ = static_cast<float>(curve(x));
        const QPointF pixel = pixelCorner(coordinates_.toPixels(currentX_, currentY_));
        // Many points of a fine plot share a pixel.
        if (inside.contains(pixel) && (points.pixels.empty() || points.pixels.back() != pixel))
            points.pixels.push_back(pixel);
    }
    mark(std::move(points));
}

void Surface::drawCircle(double x, double y, double radius, int paletteIndex)
{
    drawCircleIn(x, y, radius, paletteColor(paletteIndex), false);
}

void Surface::fillCircle(double x, double y, double radius, int paletteIndex)
{
    drawCircleIn(x, y, radius, paletteColor(paletteIndex), true);
}

void Surface::drawCircleIn(double x, double y, double radius, const QColor &colour, bool filled)
{
    const double pixels = std::abs(coordinates_.horizontalPixels(radius));
    mark(CircleMark{pixelCentre(coordinates_.toPixels(x, y)), pixels, colour, filled});
    currentX_ = x;
    currentY_ = y;
}

double Surface::textWidth(const QString &text) const
{
    return coordinates_.horizontalUnits(QFontMetricsF(font_).horizontalAdvance(text));
}

// A text line is one em high: the fixed print positions of the questions and
// lectures were laid out for lines of exactly the font's size.
double Surface::textHeight() const
{
    return coordinates_.verticalUnits(QFontInfo(font_).pixelSize());
}

Surface::Placement Surface::place(const QString &text, QPointF topLeft, double extraWidth, double condense) const
{
    const Indentation indentation = indentationOf(font_, text);
    return {indentation, fitText(font_, size_, text.mid(indentation.length),
                                 topLeft + QPointF(indentation.width, 0), extraWidth, condense)};
}

double Surface::drawText(const QString &text, Drawing what, QPointF topLeft,
                         const std::vector<FormulaLayout::Widening> &widenings, double condense)
{
    double extraWidth = 0;
    for (const FormulaLayout::Widening &widening : widenings)
        extraWidth += widening.pixels;
    const Placement placed = place(text, topLeft, extraWidth, condense);
    const QString indented = text.mid(placed.indentation.length);
    if (indented.isEmpty())
        return placed.indentation.width;
    mark(TextMark{what, text, font_, foreColor_, placed.fit.origin, placed.fit.stretch, widenings,
                  placed.indentation.length});
    return placed.indentation.width
           + placed.fit.stretch * (QFontMetricsF(font_).horizontalAdvance(indented) + extraWidth);
}

void Surface::mark(Mark mark)
{
    if (observer_)
        observer_->markDrawn(mark);
}

void Surface::recordText(const QString &text, const QString &readable)
{
    if (!lineOpen_) {
        lines_.append(QString());
        readableLines_.append(QString());
        lineOpen_ = true;
    }
    lines_.last() += text;
    readableLines_.last() += readable;
}

void Surface::endRecordedLine()
{
    lineOpen_ = false;
    for (QString *line : {&lines_.last(), &readableLines_.last()}) {
        while (!line->isEmpty() && line->back().isSpace())
            line->chop(1);
    }
    QStringList readable = readableLines_;
    readable.removeAll(QString());
    const QString text = readable.join(QLatin1Char('\n'));
    if (text == readableText_)
        return;
    readableText_ = text;
    if (observer_)
        observer_->readableTextChanged();
}

} // namespace piyota
