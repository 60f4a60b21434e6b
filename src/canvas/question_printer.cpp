// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "question_printer.h"

#include "course.h"
#include "overloaded.h"
#include "panel_layout.h"
#include "recorded_panel.h"

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

void paintQuestion(QPainter &painter, const QRectF &target, int problem, const content::ProblemLayout &layout)
{
    const PanelLayout box = questionBox();
    RecordedPanel question(box.drawingSize(), box.font);
    printQuestion(question.surface(), problem, layout);
    question.paint(painter, fitted(box.drawingSize(), target));
}

} // namespace piyota
