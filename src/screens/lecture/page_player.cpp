#include "page_player.h"

#include "canvas/canvas.h"
#include "graph_labels.h"
#include "graph_strokes.h"

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

void printPlain(Canvas &panel, const QString &text, bool continued)
{
    if (continued)
        panel.printContinued(text);
    else
        panel.print(text);
}

// Prints a text of the graph panel at column `column`, or where the current
// point is for 0. A line of values along the axes stands at their points; a
// label printed at a column moves aside where the graph would strike it.
void printOnGraph(const Place &place, Canvas &panel, const CanvasOp &op, int column)
{
    const bool continued = op.kind == Kind::PrintContinued || op.continued;
    if (column == 0 && !isPointLabelLine(op.text))
        return printPlain(panel, op.text, continued);
    const double x = column > 0 ? panel.columnX(column) : panel.currentX();
    const GraphStrokes strokes(place.lecture, place.page, place.op, QSizeF(panel.image().deviceIndependentSize()));
    if (const auto places = pointLabelPlaces(panel, strokes, op.text, x)) {
        panel.setCurrentX(x);
        return panel.printWordsAt(op.text, *places, continued);
    }
    if (column == 0)
        return printPlain(panel, op.text, continued);
    const int aside = column + clearColumns(panel, strokes, op.text, x);
    if (continued)
        panel.printAtColumnContinued(aside, op.text);
    else
        panel.printAtColumn(aside, op.text);
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
