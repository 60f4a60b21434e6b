#include "course.h"

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

void applyLineEdit(std::vector<QuestionItem> &question, const AfterNextVariant::LineEdit &edit)
{
    std::vector<QuestionItem> edited;
    int lineIndex = 0;
    for (const QuestionItem &item : question) {
        if (item.kind != QuestionItem::Kind::Line) {
            edited.push_back(item);
            continue;
        }
        if (lineIndex == edit.firstLine) {
            for (const QString &text : edit.lines)
                edited.push_back(line(text));
        }
        if (lineIndex < edit.firstLine || lineIndex >= edit.firstLine + edit.replacedCount)
            edited.push_back(item);
        ++lineIndex;
    }
    question = std::move(edited);
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
