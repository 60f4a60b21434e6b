#pragma once

#include "coordinate_system.h"
#include "exponent_placement.h"

#include <QFrame>
#include <QImage>
#include <QStringList>

#include <optional>
#include <vector>

class QPainter;
class QPen;

namespace piyota {

// A picture box used as a retained drawing surface: text is printed line by
// line at a current point (CurrentX, CurrentY) in a current colour, in the
// canvas's coordinate system (twips until a user scale is set). What is
// drawn stays in an image at the screen's device pixel ratio; the widget
// only shows it. The printed text is also kept as plain lines, and its
// non-blank lines are the widget's accessible description, with each square
// read into its formula line as "^2" (see formulaWithExponents()). A screen
// that gives a canvas the keyboard focus has it read out, and the canvas
// shows the focus.
//
// Texts are drawn so that they read whole on the panel whatever our fonts'
// widths: a text that would run past the right edge is condensed just
// enough to fit, down to a readable width; one that would be cut by the top
// edge is brought down into view, and one whose descenders the bottom edge
// would cut is raised a little. Where and what is printed stays as given.
class Canvas : public QFrame {
    Q_OBJECT
public:
    // What a drawing operation drew.
    enum class Drawing {
        Text,     // a printed text
        Label,    // a text printed at a column
        Exponent, // the digits of an exponent line
        Graphics, // a line, the points of a plot, a point or a circle
        Clear,
    };
    Q_ENUM(Drawing)

    Canvas(QWidget *parent, const QString &name, const QRect &geometry, const QFont &font,
           const QColor &background = Qt::white);

    // Draws the text at the current point, then starts a new line.
    void print(const QString &text);
    // Draws the text and stays on the line, right after it.
    void printContinued(const QString &text);
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

    // Prints the digits of an exponent line each over the gap that the
    // formula line, to be printed next from x = formulaX, leaves for it; then
    // starts a new line. Given the y the formula will be printed at, the
    // digits stand at most half a line above it, as a superscript does.
    void printExponentLine(const QString &exponentLine, const QString &formulaLine,
                           double formulaX = 0, std::optional<double> formulaY = std::nullopt);

    void setForeColor(int paletteIndex);
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }

    // Erases everything to the background; the current point goes to (0, 0),
    // the coordinate system and the colour stay.
    void clear();

    // Gives the canvas user coordinates: (x1, y1) is the top-left corner and
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

    const CoordinateSystem &coordinates() const { return coordinates_; }
    const QImage &image() const { return image_; }
    QString printedText() const { return lines_.join(QLatin1Char('\n')); }

Q_SIGNALS:
    // Each drawing operation, once it has changed the image; `text` is what
    // was printed, empty for graphics and a clear.
    void drawn(piyota::Canvas::Drawing what, const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSizeF drawingSize() const { return contentsRect().size(); }
    // Repaints after something was drawn into the image.
    void drawingChanged() { update(); }

    // Where a text is drawn and how much condensed: its pen origin on the
    // baseline, in pixels, and its horizontal scale.
    struct TextPlacement {
        QPointF origin;
        double stretch = 1;
    };
    TextPlacement placeText(const QString &text, QPointF topLeft, double extraWidth = 0) const;

    void printAs(const QString &text, Drawing what);
    void printContinuedAs(const QString &text, Drawing what);
    // Draws the text at the current point; returns its drawn width in pixels.
    double drawText(const QString &text, Drawing what);
    double drawTextAt(const QString &text, Drawing what, QPointF topLeft);
    double columnWidth() const;
    void drawLineIn(double x1, double y1, double x2, double y2, const QColor &color);
    void drawEllipseIn(double x, double y, double radius, const QColor &color, Qt::BrushStyle fill);
    void setPixel(QPainter &painter, float x, float y, const QColor &color);
    QPen linePen(const QColor &color) const;
    void recordText(const QString &text);
    void endRecordedLine();

    // An exponent line waits for the formula line it belongs to, so that the
    // two read as one.
    struct PendingExponent {
        qsizetype line; // the exponent line's index
        QString formula;
        QString readable;
        FormulaLayout layout; // the formula's gaps, widened where their digits need it
    };

    QImage image_;
    QColor background_;
    QColor foreColor_ = Qt::black;
    CoordinateSystem coordinates_;
    double currentX_ = 0;
    double currentY_ = 0;
    QStringList lines_;         // as printed
    QStringList readableLines_; // as read out
    std::optional<PendingExponent> pendingExponent_;
    bool lineOpen_ = false;
};

} // namespace piyota
