// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "overloaded.h"
#include "printed_text.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace piyota::content {

// The drawing operations of a lecture page, each performed on one of the
// lecture screen's three panels, in the panel's current coordinates.
namespace draw {

enum class Panel {
    Text,   // Picture1
    Graph,  // Picture2
    Speech, // Picture3
};

// The operations that follow go to this panel.
struct ToPanel {
    Panel panel;
};

// A literal printed where the current point is, and a formula line with
// squares (printed_text.h).
using content::Print;
using content::Squared;

struct NewLines {
    int count = 1;
};

// A literal printed from a text column, then as Print.
struct PrintAtColumn {
    int column;
    QString text;
    bool continued = false;
};

struct Colour {
    int paletteIndex;
};

struct SetY {
    double y;
};

struct SetX {
    double x;
};

struct Clear {};

// The panel's user coordinates: (x1, y1) at its top left, (x2, y2) at its
// bottom right.
struct Scale {
    double x1, y1, x2, y2;
};

// A line from (x1, y1) to (x2, y2), in the current colour unless one is given.
struct Line {
    double x1, y1, x2, y2;
    std::optional<int> colour;
};

using Curve = double (*)(double x);

// The points of y = curve(x), x from `from` to `to` by `step`.
struct Plot {
    Curve curve;
    double from, to, step;
    int colour;
};

struct Circle {
    double x, y, radius;
    int colour;
};

// The doctor's three lines.
struct SpeechLines {};

} // namespace draw

using CanvasOp = std::variant<draw::ToPanel, draw::Print, draw::Squared, draw::NewLines, draw::PrintAtColumn,
                              draw::Colour, draw::SetY, draw::SetX, draw::Clear, draw::Scale, draw::Line,
                              draw::Plot, draw::Circle, draw::SpeechLines>;

// The operations as the lecture tables write them.
namespace op {

inline CanvasOp text() { return draw::ToPanel{draw::Panel::Text}; }
inline CanvasOp graph() { return draw::ToPanel{draw::Panel::Graph}; }
inline CanvasOp speech() { return draw::ToPanel{draw::Panel::Speech}; }
inline CanvasOp speechLines() { return draw::SpeechLines{}; }
inline CanvasOp print(const QString &literal) { return draw::Print{literal}; }
inline CanvasOp printOn(const QString &literal) { return draw::Print{literal, true}; }
// A formula line printed from y under its exponent line; continued, or from
// x as well.
inline CanvasOp squared(const QString &exponentLine, double y, const QString &literal)
{
    return draw::Squared{exponentLine, y, {literal}, {}};
}
inline CanvasOp squaredOn(const QString &exponentLine, double y, const QString &literal)
{
    return draw::Squared{exponentLine, y, {literal, true}, {}};
}
inline CanvasOp squaredAt(const QString &exponentLine, double x, double y, const QString &literal)
{
    return draw::Squared{exponentLine, y, {literal}, x};
}
inline CanvasOp newLine(int times = 1) { return draw::NewLines{times}; }
inline CanvasOp atColumn(int column, const QString &literal) { return draw::PrintAtColumn{column, literal}; }
inline CanvasOp atColumnOn(int column, const QString &literal) { return draw::PrintAtColumn{column, literal, true}; }
inline CanvasOp colour(int paletteIndex) { return draw::Colour{paletteIndex}; }
inline CanvasOp y(double value) { return draw::SetY{value}; }
inline CanvasOp x(double value) { return draw::SetX{value}; }
inline CanvasOp clear() { return draw::Clear{}; }
inline CanvasOp scale(double x1, double y1, double x2, double y2) { return draw::Scale{x1, y1, x2, y2}; }
inline CanvasOp line(double x1, double y1, double x2, double y2) { return draw::Line{x1, y1, x2, y2, {}}; }
inline CanvasOp line(double x1, double y1, double x2, double y2, int colour)
{
    return draw::Line{x1, y1, x2, y2, colour};
}
inline CanvasOp plot(draw::Curve curve, double from, double to, double step, int colour)
{
    return draw::Plot{curve, from, to, step, colour};
}
inline CanvasOp circle(double x, double y, double radius, int colour) { return draw::Circle{x, y, radius, colour}; }

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
