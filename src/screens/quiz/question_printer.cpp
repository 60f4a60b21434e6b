#include "question_printer.h"

#include "canvas/canvas.h"
#include "content/course.h"

namespace piyota {

namespace {

using content::QuestionItem;

// The formula line an exponent line stands over: the next text line.
QString formulaAfter(const std::vector<QuestionItem> &items, std::size_t exponentIndex)
{
    for (std::size_t i = exponentIndex + 1; i < items.size(); ++i) {
        if (items[i].kind == QuestionItem::Kind::Line)
            return items[i].text;
    }
    return {};
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
        case QuestionItem::Kind::Exponent:
            box.printExponentLine(content::exponentLineText(items[i]), formulaAfter(items, i));
            break;
        case QuestionItem::Kind::PrintPosition:
            box.setCurrentY(items[i].printY);
            break;
        }
    }
}

} // namespace piyota
