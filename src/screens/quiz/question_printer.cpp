#include "question_printer.h"

#include "canvas.h"
#include "course.h"

#include <optional>

namespace piyota {

namespace {

using content::QuestionItem;

// The formula line an exponent line stands over, the next text line, and
// the print position set before it.
struct Formula {
    QString text;
    std::optional<double> y;
};

Formula formulaAfter(const std::vector<QuestionItem> &items, std::size_t exponentIndex)
{
    Formula formula;
    for (std::size_t i = exponentIndex + 1; i < items.size(); ++i) {
        if (items[i].kind == QuestionItem::Kind::PrintPosition)
            formula.y = items[i].printY;
        if (items[i].kind == QuestionItem::Kind::Line) {
            formula.text = items[i].text;
            break;
        }
    }
    return formula;
}

} // namespace

void printQuestion(Canvas &box, int problem, const content::ProblemLayout &layout)
{
    box.newLine();
    box.print(content::problemTitle(problem));
    const auto &items = layout.question;
    for (std::size_t i = 0; i < items.size(); ++i) {
        switch (items[i].kind) {
        case QuestionItem::Kind::Line:
            box.print(items[i].text);
            break;
        case QuestionItem::Kind::Exponent: {
            const Formula formula = formulaAfter(items, i);
            box.printExponentLine(items[i].text, formula.text, 0, formula.y);
            break;
        }
        case QuestionItem::Kind::PrintPosition:
            box.setCurrentY(items[i].printY);
            break;
        }
    }
}

} // namespace piyota
