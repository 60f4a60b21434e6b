#include "page_player.h"

#include "canvas/canvas.h"
#include "graph_strokes.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace piyota {

namespace {

using content::CanvasOp;
using Kind = CanvasOp::Kind;

const QStringList kSpeechLines{
    QStringLiteral("「わしが数学博士である。」"),
    QStringLiteral("「わしの説明を良く聞くんじゃ。」"),
    QStringLiteral("「そして、再度、問題に挑戦してみるんじゃ。」"),
};

// The formula an exponent line stands over, and where it is printed: the
// next literal, after any change of Y, X or colour.
struct Formula {
    QString text;
    double x = 0;
    std::optional<double> y;
};

Formula formulaAfter(const content::Page &page, std::size_t exponentIndex)
{
    Formula formula;
    for (std::size_t i = exponentIndex + 1; i < page.size(); ++i) {
        const CanvasOp &op = page[i];
        if (op.kind == Kind::SetX)
            formula.x = op.x1;
        else if (op.kind == Kind::SetY)
            formula.y = op.y1;
        else if (op.kind == Kind::Print || op.kind == Kind::PrintContinued) {
            formula.text = op.text;
            break;
        } else if (op.kind != Kind::SetY && op.kind != Kind::Colour)
            break;
    }
    return formula;
}

// Where in a lecture an operation stands, and whether on the graph panel.
struct Place {
    const content::Lecture &lecture;
    std::size_t page; // 0 for the introduction
    std::size_t op;
    bool onGraph;
};

// The value of a number printed alone ("3", "-5", "-3/2"), or nothing.
std::optional<double> pointValue(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(-?\\d+)(?:/(\\d+))?\\s*$"));
    const auto match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double value = match.captured(1).toDouble();
    return match.captured(2).isEmpty() ? value : value / match.captured(2).toDouble();
}

// Where to print a point label instead: so many columns aside and pixels down.
struct Move {
    int columns = 0;
    double pixelsDown = 0;
};

// The first place, from where it is printed outwards, at which no stroke
// strikes a label: one column either way, then, for a number beside the y
// axis, a pixel at a time towards its point (down for a negative value), up
// to a line, with or without a column aside. Where curves strike every such
// place, the first that the axes do not.
Move clearMove(const Canvas &panel, const GraphStrokes &strokes, const QString &text, double x,
               std::optional<double> value)
{
    // The ink of each word of the label where it is printed, in pixels.
    std::vector<QRectF> words;
    static const QRegularExpression word(QStringLiteral("\\S+"));
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        words.push_back(panel.inkRect(match.captured(), x + panel.textWidth(text.left(match.capturedStart())),
                                      panel.currentY()));
    }
    if (words.empty())
        return {};
    const double column = panel.coordinates().horizontalPixels(panel.columnX(2) - panel.columnX(1));
    const QRectF inside(QPointF(1, 1), QSizeF(panel.image().deviceIndependentSize()) - QSizeF(2, 2));
    auto clearOf = [&](auto strikes) {
        return [&, strikes](const Move &move) {
            return std::all_of(words.begin(), words.end(), [&](const QRectF &ink) {
                const QRectF moved = ink.translated(move.columns * column, move.pixelsDown);
                return inside.contains(moved) && !strikes(moved);
            });
        };
    };

    std::vector<Move> moves{{}, {-1, 0}, {1, 0}};
    const QRectF &first = words.front();
    if (value && std::abs(first.center().x() - strokes.yAxisPixel()) < first.width() / 2 + column) {
        const double towards = *value < 0 ? 1 : -1;
        for (int pixels = 1; pixels <= first.height() + 4; ++pixels)
            for (int columns : {0, -1, 1})
                moves.push_back({columns, towards * pixels});
    }
    auto clear = std::find_if(moves.begin(), moves.end(),
                              clearOf([&](const QRectF &ink) { return strokes.strike(ink); }));
    if (clear == moves.end()) // curves strike every place: one clear of the axes at least
        clear = std::find_if(moves.begin(), moves.end(),
                             clearOf([&](const QRectF &ink) { return strokes.strikeWithALine(ink); }));
    return clear == moves.end() ? Move{} : *clear;
}

// Prints a text of the graph panel at column `column`, or where the current
// point is for 0: a label printed at a column, or a number alone, moves
// where nothing strikes it.
void printOnGraph(const Place &place, Canvas &panel, const CanvasOp &op, int column)
{
    const double x = column > 0 ? panel.columnX(column) : panel.currentX();
    const bool continued = op.kind == Kind::PrintContinued || op.continued;
    Move move;
    const std::optional<double> value = pointValue(op.text);
    if (value || column > 0) {
        const GraphStrokes strokes(place.lecture, place.page, place.op, QSizeF(panel.image().deviceIndependentSize()));
        move = clearMove(panel, strokes, op.text, x, value);
    }
    const double y = panel.currentY();
    const double down = panel.coordinates().verticalUnits(move.pixelsDown);
    panel.setCurrentY(y + down);
    if (column > 0 && continued)
        panel.printAtColumnContinued(column + move.columns, op.text);
    else if (column > 0)
        panel.printAtColumn(column + move.columns, op.text);
    else {
        panel.setCurrentX(x + move.columns * (panel.columnX(2) - panel.columnX(1)));
        if (continued)
            panel.printContinued(op.text);
        else
            panel.print(op.text);
    }
    panel.setCurrentY(panel.currentY() - down);
}

void perform(const Place &place, const content::Page &page, Canvas &panel)
{
    const CanvasOp &op = page[place.op];
    switch (op.kind) {
    case Kind::Print:
    case Kind::PrintContinued:
        if (place.onGraph)
            printOnGraph(place, panel, op, 0);
        else if (op.kind == Kind::Print)
            panel.print(op.text);
        else
            panel.printContinued(op.text);
        break;
    case Kind::Exponent: {
        const Formula formula = formulaAfter(page, place.op);
        panel.printExponentLine(op.text, formula.text, formula.x, formula.y);
        break;
    }
    case Kind::NewLines:
        panel.newLine(op.count);
        break;
    case Kind::AtColumn:
        if (place.onGraph)
            printOnGraph(place, panel, op, op.count);
        else if (op.continued)
            panel.printAtColumnContinued(op.count, op.text);
        else
            panel.printAtColumn(op.count, op.text);
        break;
    case Kind::Colour:
        panel.setForeColor(op.colour);
        break;
    case Kind::SetY:
        panel.setCurrentY(op.y1);
        break;
    case Kind::SetX:
        panel.setCurrentX(op.x1);
        break;
    case Kind::Clear:
        panel.clear();
        break;
    case Kind::Scale:
        panel.setScale(op.x1, op.y1, op.x2, op.y2);
        break;
    case Kind::Line:
        if (op.colour < 0)
            panel.drawLine(op.x1, op.y1, op.x2, op.y2);
        else
            panel.drawLine(op.x1, op.y1, op.x2, op.y2, op.colour);
        break;
    case Kind::Plot:
        panel.plot(op.curve, op.x1, op.x2, op.step, op.colour);
        break;
    case Kind::Circle:
        panel.drawCircle(op.x1, op.y1, op.r, op.colour);
        break;
    case Kind::SpeechLines:
        for (const QString &line : kSpeechLines)
            panel.print(line);
        break;
    case Kind::ToText:
    case Kind::ToGraph:
    case Kind::ToSpeech:
        break;
    }
}

void performOps(const content::Lecture &lecture, std::size_t pageNumber, const content::Page &page,
                const LecturePanels &panels)
{
    Canvas *panel = &panels.text;
    for (std::size_t i = 0; i < page.size(); ++i) {
        switch (page[i].kind) {
        case Kind::ToText:
            panel = &panels.text;
            break;
        case Kind::ToGraph:
            panel = &panels.graph;
            break;
        case Kind::ToSpeech:
            panel = &panels.speech;
            break;
        default:
            perform({lecture, pageNumber, i, panel == &panels.graph}, page, *panel);
        }
    }
}

} // namespace

void performIntroduction(const content::Lecture &lecture, const LecturePanels &panels)
{
    performOps(lecture, 0, lecture.introduction, panels);
}

void performPage(const content::Lecture &lecture, std::size_t index, const LecturePanels &panels)
{
    performOps(lecture, index + 1, lecture.pages[index], panels);
}

} // namespace piyota
