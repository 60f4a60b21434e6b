// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_operations.h"

#include "graph_labels.h"
#include "surface.h"

#include <QRegularExpression>

namespace piyota {

namespace {

using content::CanvasOp;
namespace draw = content::draw;

const QStringList kSpeechLines{
    QStringLiteral("「わしが数学博士である。」"),
    QStringLiteral("「わしの説明を良く聞くんじゃ。」"),
    QStringLiteral("「そして、再度、問題に挑戦してみるんじゃ。」"),
};

// A label line's text, where it is printed from (a column, or 0 for the
// current point) and whether the line goes on after it.
struct LabelLine {
    QString text;
    int column;
    bool continued;
};

std::optional<LabelLine> labelLineOf(const CanvasOp &op)
{
    if (const auto *print = std::get_if<draw::Print>(&op); print && isLabelLine(print->text))
        return LabelLine{print->text, 0, print->continued};
    if (const auto *print = std::get_if<draw::PrintAtColumn>(&op); print && isLabelLine(print->text))
        return LabelLine{print->text, print->column, print->continued};
    return std::nullopt;
}

double startOf(const Surface &panel, const LabelLine &line)
{
    return line.column > 0 ? panel.columnX(line.column) : panel.currentX();
}

void printAtColumn(Surface &panel, const draw::PrintAtColumn &print)
{
    if (print.continued)
        panel.printAtColumnContinued(print.column, print.text);
    else
        panel.printAtColumn(print.column, print.text);
}

} // namespace

bool isLabel(const CanvasOp &op)
{
    return std::holds_alternative<draw::Squared>(op) || labelLineOf(op).has_value();
}

LabelPlace printedPlace(const Surface &panel, const CanvasOp &op)
{
    const std::optional<LabelLine> line = labelLineOf(op);
    if (!line)
        return {};
    static const QRegularExpression word(QStringLiteral("\\S+"));
    const double x = startOf(panel, *line);
    LabelPlace place;
    for (auto it = word.globalMatch(line->text); it.hasNext();) {
        const double wordX = x + panel.textWidth(line->text.left(it.next().capturedStart()));
        place.words.push_back(panel.coordinates().toPixels(wordX, panel.currentY()));
    }
    return place;
}

void performOperation(Surface &panel, const CanvasOp &op, const LabelPlace *place)
{
    if (const std::optional<LabelLine> line = labelLineOf(op); line && place) {
        panel.setCurrentX(startOf(panel, *line));
        return panel.printWordsAt(line->text, place->words, line->continued);
    }
    std::visit(content::Overloaded{
                   [&](const draw::Print &print) { panel.print(print); },
                   [&](const draw::Squared &formula) { panel.printSquared(formula, place ? place->formula : Displacement()); },
                   [&](const draw::NewLines &newLines) { panel.newLine(newLines.count); },
                   [&](const draw::PrintAtColumn &print) { printAtColumn(panel, print); },
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
                       for (const QString &speech : kSpeechLines)
                           panel.print(speech);
                   },
                   [](const draw::ToPanel &) {}, // chosen by the caller
               },
               op);
}

void forEachOperation(const content::Lecture &lecture,
                      const std::function<void(OperationIndex, draw::Panel, const CanvasOp &)> &visit)
{
    for (std::size_t page = 0; page <= lecture.pages.size(); ++page) {
        const content::Page &ops = page == 0 ? lecture.introduction : lecture.pages[page - 1];
        draw::Panel panel = draw::Panel::Text;
        for (std::size_t op = 0; op < ops.size(); ++op) {
            if (const auto *to = std::get_if<draw::ToPanel>(&ops[op]))
                panel = to->panel;
            else
                visit({page, op}, panel, ops[op]);
        }
    }
}

} // namespace piyota
