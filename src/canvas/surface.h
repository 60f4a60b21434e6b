// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "coordinate_system.h"
#include "marks.h"
#include "printed_text.h"
#include "text_fitting.h"

#include <QColor>
#include <QFont>
#include <QStringList>

#include <vector>

namespace piyota {

// The drawing model of a picture box: text is printed line by line at a
// current point (CurrentX, CurrentY) in a current colour, in the box's
// coordinate system (twips until a user scale is set), and lines, points
// and circles are drawn. Each operation becomes marks in pixels of the box,
// which its observer paints where it likes: the screen's widget, a PDF page
// or a printer's. The printed text is also kept as plain lines, and its
// non-blank lines as a screen reader reads them, with each square written
// into its formula line as "^2" (see formulaWithExponents()).
//
// Texts are fitted to the box (fitText()) so that they read whole whatever
// our fonts' widths, and a line's indentation is as wide as the tables
// count it (indentationOf()); where and what is printed stays as given.
// How a label of a graph is drawn away from where it is printed: moved by
// `shift` pixels, and condensed across to `condense` of its width.
struct Displacement {
    QPointF shift;
    double condense = 1;
};

class Surface {
public:
    // Told of each mark as it is drawn, of each clear, and of each line
    // the text read out gains.
    class Observer {
    public:
        virtual void markDrawn(const Mark &mark) = 0;
        virtual void surfaceCleared() = 0;
        virtual void readableTextChanged() {}

    protected:
        ~Observer() = default;
    };

    // A box of the given size in pixels, printing in the font.
    Surface(QSizeF size, const QFont &font, const QColor &background = Qt::white);
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;

    void setObserver(Observer *observer) { observer_ = observer; }

    // Draws the text at the current point, then starts a new line.
    void print(const QString &text);
    // Draws the text and stays on the line, right after it.
    void printContinued(const QString &text);
    // The one or the other, as the literal says.
    void print(const content::Print &literal);
    void newLine(int count = 1);
    // Moves to text column n (1 is x = 0) of the current line, then prints.
    // A column is two fifths of the font's pixel size.
    void printAtColumn(int column, const QString &text);
    // The same, staying on the line after the text.
    void printAtColumnContinued(int column, const QString &text);

    // Prints a label whose words stand apart (the values along an axis):
    // each word of the text, in order, drawn with the top-left corner of its
    // line at the given pixel; the text is kept as printed. Then starts a new
    // line, or, continued, stays on the line after the text.
    void printWordsAt(const QString &text, const std::vector<QPointF> &wordPixels, bool continued);

    // Prints a formula line with squares: its exponent line at the current
    // point, each digit over the gap the formula line leaves for it and at
    // most half a line above it, as a superscript stands; then the formula
    // line from its print position, with any gap too narrow for its digit
    // widened. A graph's label that has to make room is displaced; the
    // current point moves as printed.
    void printSquared(const content::Squared &formula, const Displacement &displacement = {});

    void setForeColor(int paletteIndex);
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }

    // Erases everything to the background; the current point goes to (0, 0),
    // the coordinate system and the colour stay.
    void clear();

    // Gives the box user coordinates: (x1, y1) is the top-left corner and
    // (x2, y2) the bottom-right one. Stays in force across clears.
    void setScale(double x1, double y1, double x2, double y2);
    // A one-pixel line in the current colour or the given one; the current
    // point moves to its end.
    void drawLine(double x1, double y1, double x2, double y2);
    void drawLine(double x1, double y1, double x2, double y2, int paletteIndex);
    // Sets one pixel at (x, y) in the given colour; it becomes the current point.
    void drawPoint(double x, double y, int paletteIndex);
    // y = curve(x) point by point, for x from `from` by `step` while x <= to,
    // never joined; the current point ends at the last point.
    void plot(double (*curve)(double), double from, double to, double step, int paletteIndex);
    // The outline of a circle of the radius in x units; the current point
    // goes to its centre.
    void drawCircle(double x, double y, double radius, int paletteIndex);
    // The same circle filled, outline included, in one colour.
    void fillCircle(double x, double y, double radius, int paletteIndex);

    // Text measures in the current units.
    double textWidth(const QString &text) const;
    double textHeight() const;
    // The x of text column n (1 is x = 0), in the current units.
    double columnX(int column) const;
    // Where the ink of a text printed at (x, y) in the current units falls,
    // in pixels.
    QRectF inkRect(const QString &text, double x, double y) const;

    QSizeF size() const { return size_; }
    const QFont &font() const { return font_; }
    const QColor &background() const { return background_; }
    const CoordinateSystem &coordinates() const { return coordinates_; }
    // The lines as printed, and the non-blank ones as read out.
    QString printedText() const { return lines_.join(QLatin1Char('\n')); }
    const QString &readableText() const { return readableText_; }

private:
    // A text drawn with its line's top-left corner at topLeft: its
    // indentation as the tables count it, the rest fitted to the box.
    struct Placement {
        Indentation indentation;
        TextFit fit;
    };
    Placement place(const QString &text, QPointF topLeft, double extraWidth, double condense = 1) const;
    void printAs(const QString &text, Drawing what);
    void printContinuedAs(const QString &text, Drawing what);
    // Draws the text at the top-left corner given in pixels, its gaps
    // widened; returns its drawn width in pixels.
    double drawText(const QString &text, Drawing what, QPointF topLeft,
                    const std::vector<FormulaLayout::Widening> &widenings = {}, double condense = 1);
    double columnWidth() const;
    void drawLineIn(double x1, double y1, double x2, double y2, const QColor &colour);
    void drawCircleIn(double x, double y, double radius, const QColor &colour, bool filled);
    void mark(Mark mark);
    void recordText(const QString &text, const QString &readable);
    void endRecordedLine();
    void endLine();

    QSizeF size_;
    QFont font_;
    QColor background_;
    QColor foreColor_ = Qt::black;
    CoordinateSystem coordinates_;
    double currentX_ = 0;
    double currentY_ = 0;
    QStringList lines_;         // as printed
    QStringList readableLines_; // as read out
    QString readableText_;
    bool lineOpen_ = false;
    Observer *observer_ = nullptr;
};

} // namespace piyota
