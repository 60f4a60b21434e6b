#include "page_player.h"

#include "graph_labels.h"
#include "graph_strokes.h"
#include "surface.h"

namespace piyota {

namespace {

using content::CanvasOp;
namespace draw = content::draw;

const QStringList kSpeechLines{
    QStringLiteral("「わしが数学博士である。」"),
    QStringLiteral("「わしの説明を良く聞くんじゃ。」"),
    QStringLiteral("「そして、再度、問題に挑戦してみるんじゃ。」"),
};

// Where in a lecture an operation stands, and whether on the graph panel.
struct Place {
    const content::Lecture &lecture;
    std::size_t page; // 0 for the introduction
    std::size_t op;
    bool onGraph;
};

void printPlain(Surface &panel, const QString &text, bool continued)
{
    if (continued)
        panel.printContinued(text);
    else
        panel.print(text);
}

// Prints a text of the graph panel at column `column`, or where the current
// point is for 0. A line of values along the axes stands at their points; a
// label printed at a column moves aside where the graph would strike it.
void printOnGraph(const Place &place, Surface &panel, const QString &text, int column, bool continued)
{
    if (column == 0 && !isPointLabelLine(text))
        return printPlain(panel, text, continued);
    const double x = column > 0 ? panel.columnX(column) : panel.currentX();
    const GraphStrokes strokes(place.lecture, place.page, place.op, panel.size());
    if (const auto places = pointLabelPlaces(panel, strokes, text, x)) {
        panel.setCurrentX(x);
        return panel.printWordsAt(text, *places, continued);
    }
    if (column == 0)
        return printPlain(panel, text, continued);
    const int aside = column + clearColumns(panel, strokes, text, x);
    if (continued)
        panel.printAtColumnContinued(aside, text);
    else
        panel.printAtColumn(aside, text);
}

void perform(const Place &place, const content::Page &page, Surface &panel)
{
    std::visit(content::Overloaded{
                   [&](const draw::Print &print) {
                       if (place.onGraph)
                           printOnGraph(place, panel, print.text, 0, print.continued);
                       else
                           printPlain(panel, print.text, print.continued);
                   },
                   [&](const draw::Squared &formula) { panel.printSquared(formula); },
                   [&](const draw::NewLines &newLines) { panel.newLine(newLines.count); },
                   [&](const draw::PrintAtColumn &print) {
                       if (place.onGraph)
                           printOnGraph(place, panel, print.text, print.column, print.continued);
                       else if (print.continued)
                           panel.printAtColumnContinued(print.column, print.text);
                       else
                           panel.printAtColumn(print.column, print.text);
                   },
                   [&](const draw::Colour &colour) { panel.setForeColor(colour.paletteIndex); },
                   [&](const draw::SetY &setY) { panel.setCurrentY(setY.y); },
                   [&](const draw::SetX &setX) { panel.setCurrentX(setX.x); },
                   [&](const draw::Clear &) { panel.clear(); },
                   [&](const draw::Scale &scale) { panel.setScale(scale.x1, scale.y1, scale.x2, scale.y2); },
                   [&](const draw::Line &line) {
                       if (line.colour)
                           panel.drawLine(line.x1, line.y1, line.x2, line.y2, *line.colour);
                       else
                           panel.drawLine(line.x1, line.y1, line.x2, line.y2);
                   },
                   [&](const draw::Plot &plot) { panel.plot(plot.curve, plot.from, plot.to, plot.step, plot.colour); },
                   [&](const draw::Circle &circle) { panel.drawCircle(circle.x, circle.y, circle.radius, circle.colour); },
                   [&](const draw::SpeechLines &) {
                       for (const QString &line : kSpeechLines)
                           panel.print(line);
                   },
                   [](const draw::ToPanel &) {}, // chosen by performOps
               },
               page[place.op]);
}

Surface &panelFor(draw::Panel panel, const LecturePanels &panels)
{
    switch (panel) {
    case draw::Panel::Text:
        return panels.text;
    case draw::Panel::Graph:
        return panels.graph;
    case draw::Panel::Speech:
        return panels.speech;
    }
    return panels.text;
}

void performOps(const content::Lecture &lecture, std::size_t pageNumber, const content::Page &page,
                const LecturePanels &panels)
{
    Surface *panel = &panels.text;
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (const auto *to = std::get_if<draw::ToPanel>(&page[i]))
            panel = &panelFor(to->panel, panels);
        else
            perform({lecture, pageNumber, i, panel == &panels.graph}, page, *panel);
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
