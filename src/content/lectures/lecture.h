#pragma once

#include <QString>

#include <vector>

namespace piyota::content {

// One drawing operation of a lecture page, performed on one of the lecture
// screen's three panels.
struct CanvasOp {
    enum class Kind {
        ToText,         // the following operations go to the text panel (Picture1)
        ToGraph,        // ... to the graph panel (Picture2)
        ToSpeech,       // ... to the speech box (Picture3)
        Print,          // a literal, then a new line
        PrintContinued, // a literal that stays on the line (";")
        Exponent,       // the digit line of a square, placed over the formula line that follows
        NewLines,       // count new lines
        AtColumn,       // moves to a text column, then prints (continued when `continued`)
        Colour,         // palette colour
        SetY,
        SetX,
        Clear,
        Scale,   // (x1, y1)-(x2, y2)
        Line,    // (x1, y1)-(x2, y2), in `colour` when it is not -1
        Plot,    // y = curve(x), x from x1 to x2 by step, in colour
        Circle,  // centre (x1, y1), radius r, in colour
        SpeechLines, // the doctor's three lines
    };
    using Curve = double (*)(double x);

    Kind kind;
    QString text;
    int count = 0;  // NewLines, AtColumn column
    int colour = -1;
    bool continued = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double step = 0; // Plot
    double r = 0;    // Circle
    Curve curve = nullptr;
};

namespace op {

inline CanvasOp text() { return {CanvasOp::Kind::ToText, {}}; }
inline CanvasOp graph() { return {CanvasOp::Kind::ToGraph, {}}; }
inline CanvasOp speech() { return {CanvasOp::Kind::ToSpeech, {}}; }
inline CanvasOp speechLines() { return {CanvasOp::Kind::SpeechLines, {}}; }
inline CanvasOp print(const QString &literal) { return {CanvasOp::Kind::Print, literal}; }
inline CanvasOp printOn(const QString &literal) { return {CanvasOp::Kind::PrintContinued, literal}; }
inline CanvasOp exponent(const QString &digitLine) { return {CanvasOp::Kind::Exponent, digitLine}; }
inline CanvasOp newLine(int times = 1)
{
    CanvasOp o{CanvasOp::Kind::NewLines, {}};
    o.count = times;
    return o;
}
inline CanvasOp atColumn(int column, const QString &literal, bool continued = false)
{
    CanvasOp o{CanvasOp::Kind::AtColumn, literal};
    o.count = column;
    o.continued = continued;
    return o;
}
inline CanvasOp atColumnOn(int column, const QString &literal) { return atColumn(column, literal, true); }
inline CanvasOp colour(int paletteIndex)
{
    CanvasOp o{CanvasOp::Kind::Colour, {}};
    o.colour = paletteIndex;
    return o;
}
inline CanvasOp y(double value)
{
    CanvasOp o{CanvasOp::Kind::SetY, {}};
    o.y1 = value;
    return o;
}
inline CanvasOp x(double value)
{
    CanvasOp o{CanvasOp::Kind::SetX, {}};
    o.x1 = value;
    return o;
}
inline CanvasOp clear() { return {CanvasOp::Kind::Clear, {}}; }
inline CanvasOp scale(double x1, double y1, double x2, double y2)
{
    CanvasOp o{CanvasOp::Kind::Scale, {}};
    o.x1 = x1, o.y1 = y1, o.x2 = x2, o.y2 = y2;
    return o;
}
inline CanvasOp line(double x1, double y1, double x2, double y2, int colour = -1)
{
    CanvasOp o{CanvasOp::Kind::Line, {}};
    o.x1 = x1, o.y1 = y1, o.x2 = x2, o.y2 = y2;
    o.colour = colour;
    return o;
}
inline CanvasOp plot(CanvasOp::Curve curve, double from, double to, double step, int colour)
{
    CanvasOp o{CanvasOp::Kind::Plot, {}};
    o.curve = curve;
    o.x1 = from, o.x2 = to, o.step = step;
    o.colour = colour;
    return o;
}
inline CanvasOp circle(double x, double y, double radius, int colour)
{
    CanvasOp o{CanvasOp::Kind::Circle, {}};
    o.x1 = x, o.y1 = y, o.r = radius;
    o.colour = colour;
    return o;
}

} // namespace op

using Page = std::vector<CanvasOp>;

// A lecture of the math doctor: its introduction, printed when the lecture
// screen opens, and its pages, one per press of "次へ".
struct Lecture {
    int number;        // 1..10
    int firstProblem;  // the problems it explains, firstProblem..lastProblem
    int lastProblem;
    Page introduction;
    std::vector<Page> pages;
};

// The ten lectures, in order.
const std::vector<Lecture> &lectures();

// The lecture for a problem: the first whose range holds it; nothing for a
// problem outside 1..30.
const Lecture *lectureFor(int problemNo);

} // namespace piyota::content
