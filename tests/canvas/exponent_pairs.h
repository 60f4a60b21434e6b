// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "course.h"
#include "lectures/lecture.h"
#include "content/reader/transcription.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace piyota::testing {

// An exponent line of the content and the formula line it stands over.
struct ExponentPair {
    QString where; // "problem 1 layout 2 on activation", "lecture 3 page 2", ...
    QString exponentLine;
    QString formula;
};

// Every exponent pair of the problems the transcription gives, in each
// layout and either way a problem is presented. A presentation that the
// program cannot give counts as a pair without lines.
inline std::vector<ExponentPair> questionExponentPairs()
{
    using content::Presentation;
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
                for (const content::QuestionItem &item : shown->question) {
                    if (const auto *formula = std::get_if<content::Squared>(&item))
                        pairs.push_back({where, formula->exponentLine, formula->line.text});
                }
            }
        }
    }
    return pairs;
}

// Every exponent pair of the ten lectures.
inline std::vector<ExponentPair> lectureExponentPairs()
{
    std::vector<ExponentPair> pairs;
    for (const content::Lecture &lecture : content::lectures()) {
        std::vector<const content::Page *> pages{&lecture.introduction};
        for (const content::Page &page : lecture.pages)
            pages.push_back(&page);
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const QString where = QStringLiteral("lecture %1 %2").arg(lecture.number).arg(
                p == 0 ? QStringLiteral("introduction") : QStringLiteral("page %1").arg(p));
            for (const content::CanvasOp &op : *pages[p]) {
                if (const auto *formula = std::get_if<content::draw::Squared>(&op))
                    pairs.push_back({where, formula->exponentLine, formula->line.text});
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
