#include "question_printer.h"

#include "course.h"
#include "overloaded.h"
#include "surface.h"

namespace piyota {

void printQuestion(Surface &box, int problem, const content::ProblemLayout &layout)
{
    box.newLine();
    box.print(content::problemTitle(problem));
    for (const content::QuestionItem &item : layout.question) {
        std::visit(content::Overloaded{
                       [&](const content::Print &line) { box.print(line); },
                       [&](const content::Squared &formula) { box.printSquared(formula); },
                   },
                   item);
    }
}

} // namespace piyota
