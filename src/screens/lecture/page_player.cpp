#include "page_player.h"

#include "canvas/canvas.h"

namespace piyota {

namespace {

using content::CanvasOp;
using Kind = CanvasOp::Kind;

const QStringList kSpeechLines{
    QStringLiteral("「わしが数学博士である。」"),
    QStringLiteral("「わしの説明を良く聞くんじゃ。」"),
    QStringLiteral("「そして、再度、問題に挑戦してみるんじゃ。」"),
};

// The formula an exponent line stands over, and the x it is printed from:
// the next literal, after any change of Y, X or colour.
struct Formula {
    QString text;
    double x = 0;
};

Formula formulaAfter(const content::Page &page, std::size_t exponentIndex)
{
    Formula formula;
    for (std::size_t i = exponentIndex + 1; i < page.size(); ++i) {
        const CanvasOp &op = page[i];
        if (op.kind == Kind::SetX)
            formula.x = op.x1;
        else if (op.kind == Kind::Print || op.kind == Kind::PrintContinued) {
            formula.text = op.text;
            break;
        } else if (op.kind != Kind::SetY && op.kind != Kind::Colour)
            break;
    }
    return formula;
}

void perform(const content::Page &page, std::size_t index, Canvas &panel)
{
    const CanvasOp &op = page[index];
    switch (op.kind) {
    case Kind::Print:
        panel.print(op.text);
        break;
    case Kind::PrintContinued:
        panel.printContinued(op.text);
        break;
    case Kind::Exponent: {
        const Formula formula = formulaAfter(page, index);
        panel.printExponentLine(op.text, formula.text, formula.x);
        break;
    }
    case Kind::NewLines:
        panel.newLine(op.count);
        break;
    case Kind::AtColumn:
        if (op.continued)
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

} // namespace

void performPage(const content::Page &page, const LecturePanels &panels)
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
            perform(page, i, *panel);
        }
    }
}

} // namespace piyota
