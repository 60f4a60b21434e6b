#pragma once

#include "course.h"
#include "lectures/lecture.h"
#include "content/reader/transcription.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace piyota::testing {

// An exponent line of the content and the formula line it stands over; the
// formula is empty where the content leaves none to find.
struct ExponentPair {
    QString where; // "problem 1 layout 2 on activation", "lecture 3 page 2", ...
    QString exponentLine;
    QString formula;
};

// Every exponent pair of the problems the transcription gives, in each
// layout and either way a problem is presented: a print position, then the
// formula, follow each exponent line. A presentation that the program cannot
// give counts as a pair without a formula.
inline std::vector<ExponentPair> questionExponentPairs()
{
    using content::Presentation;
    using content::QuestionItem;
    std::vector<ExponentPair> pairs;
    for (const transcription::Problem &transcribed : transcription::course().problems) {
        const int problem = transcribed.number;
        for (int layout = 1; layout <= int(transcribed.layouts.size()); ++layout) {
            for (const Presentation how : {Presentation::OnActivation, Presentation::AfterNext}) {
                const QString where = QStringLiteral("problem %1 layout %2 %3").arg(problem).arg(layout).arg(
                    how == Presentation::AfterNext ? QStringLiteral("after 次へ") : QStringLiteral("on activation"));
                const auto shown = content::presentedLayout(problem, layout, how);
                if (!shown) {
                    pairs.push_back({where, {}, {}});
                    continue;
                }
                const auto &items = shown->question;
                for (std::size_t i = 0; i < items.size(); ++i) {
                    if (items[i].kind == QuestionItem::Kind::Exponent)
                        pairs.push_back({where, items[i].text,
                                         i + 2 < items.size() ? items[i + 2].text : QString()});
                }
            }
        }
    }
    return pairs;
}

// Every exponent pair of the ten lectures: the formula is the next literal,
// after any change of Y, X or colour.
inline std::vector<ExponentPair> lectureExponentPairs()
{
    namespace draw = content::draw;
    std::vector<ExponentPair> pairs;
    for (const content::Lecture &lecture : content::lectures()) {
        std::vector<const content::Page *> pages{&lecture.introduction};
        for (const content::Page &page : lecture.pages)
            pages.push_back(&page);
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const content::Page &ops = *pages[p];
            for (std::size_t i = 0; i < ops.size(); ++i) {
                const auto *exponent = std::get_if<draw::Exponent>(&ops[i]);
                if (!exponent)
                    continue;
                std::size_t f = i + 1;
                while (f < ops.size()
                       && (std::holds_alternative<draw::SetY>(ops[f]) || std::holds_alternative<draw::SetX>(ops[f])
                           || std::holds_alternative<draw::Colour>(ops[f])))
                    ++f;
                const QString where = QStringLiteral("lecture %1 %2").arg(lecture.number).arg(
                    p == 0 ? QStringLiteral("introduction") : QStringLiteral("page %1").arg(p));
                const auto *formula = f < ops.size() ? std::get_if<draw::Print>(&ops[f]) : nullptr;
                pairs.push_back({where, exponent->line, formula ? formula->text : QString()});
            }
        }
    }
    return pairs;
}

// How many exponent lines the transcription gives the problems, counted
// once per presentation (次へ changes no exponent line): as many pairs as
// questionExponentPairs() must find.
inline std::size_t transcribedQuestionExponentCount()
{
    std::size_t count = 0;
    for (const transcription::Problem &problem : transcription::course().problems) {
        for (const transcription::ProblemLayout &layout : problem.layouts) {
            count += 2 * std::size_t(std::count_if(layout.items.begin(), layout.items.end(), [](const auto &item) {
                         return item.kind == transcription::QuestionItem::Kind::Exponent;
                     }));
        }
    }
    return count;
}

// How many exponent lines the transcription gives the lectures: as many
// pairs as lectureExponentPairs() must find.
inline std::size_t transcribedLectureExponentCount()
{
    std::size_t count = 0;
    const auto countIn = [&count](const transcription::LecturePage &page) {
        count += std::size_t(std::count_if(page.operations.begin(), page.operations.end(), [](const auto &op) {
            return op.kind == transcription::Operation::Kind::Exponent;
        }));
    };
    for (const transcription::Lecture &lecture : transcription::course().lectures) {
        countIn(lecture.introduction);
        for (const transcription::LecturePage &page : lecture.pages)
            countIn(page);
    }
    return count;
}

} // namespace piyota::testing
