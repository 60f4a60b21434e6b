// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "course.h"

#include "overloaded.h"

#include "stage1/stage1.h"
#include "stage2/stage2.h"

namespace piyota::content {

namespace {

const Problem *findProblem(int problem)
{
    const auto &set = problem <= stage1Problems().back().number ? stage1Problems() : stage2Problems();
    for (const Problem &candidate : set) {
        if (candidate.number == problem)
            return &candidate;
    }
    return nullptr;
}

const ProblemLayout *findLayout(int problem, int layout)
{
    if (layout < 1 || layout > kLayoutCount)
        return nullptr;
    const Problem *found = findProblem(problem);
    return found ? &found->layouts[static_cast<std::size_t>(layout - 1)] : nullptr;
}

// The text line an item prints: the line itself, or a formula's line.
QString &printedLine(QuestionItem &item)
{
    return std::visit(Overloaded{[](Print &line) -> QString & { return line.text; },
                                 [](Squared &formula) -> QString & { return formula.line.text; }},
                      item);
}

// Every item prints one text line, so the edit's lines are its items.
void applyLineEdit(std::vector<QuestionItem> &question, const AfterNextVariant::LineEdit &edit)
{
    const auto replaced = static_cast<std::size_t>(edit.replacedCount);
    const auto first = static_cast<std::size_t>(edit.firstLine);
    if (first + replaced > question.size() || edit.lines.size() < replaced)
        return;
    for (std::size_t i = 0; i < edit.lines.size(); ++i) {
        if (i < replaced)
            printedLine(question[first + i]) = edit.lines[i];
        else
            question.insert(question.begin() + static_cast<std::ptrdiff_t>(first + i), Print{edit.lines[i]});
    }
}

void applyVariant(ProblemLayout &layout, const AfterNextVariant &variant)
{
    for (const auto &edit : variant.lineEdits)
        applyLineEdit(layout.question, edit);
    for (const auto &edit : variant.captionEdits)
        layout.captions[static_cast<std::size_t>(edit.button - 1)] = edit.caption;
}

} // namespace

QString problemTitle(int problem)
{
    QString number = QString::number(problem);
    if (problem >= 1 && problem <= 9)
        number = QChar(u'０' + problem);
    return QStringLiteral("　【問題") + number + QStringLiteral("】");
}

std::optional<ProblemLayout> presentedLayout(int problem, int layout, Presentation how)
{
    const ProblemLayout *base = findLayout(problem, layout);
    if (!base)
        return std::nullopt;
    ProblemLayout presented = *base;
    if (how == Presentation::AfterNext) {
        for (const auto *variants : {&stage1AfterNextVariants(), &stage2AfterNextVariants()}) {
            for (const AfterNextVariant &variant : *variants) {
                if (variant.problem == problem && variant.layout == layout)
                    applyVariant(presented, variant);
            }
        }
    }
    return presented;
}

std::optional<int> correctButton(int problem, int layout)
{
    const ProblemLayout *found = findLayout(problem, layout);
    if (!found)
        return std::nullopt;
    return found->correctButton;
}

} // namespace piyota::content
