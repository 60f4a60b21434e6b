// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "problem_worksheet.h"

#include "print_style.h"
#include "panel_layout.h"
#include "printed_table.h"
#include "question_printer.h"

#include <QPainter>
#include <QStandardItemModel>

#include <algorithm>

namespace piyota::teacher {

namespace {

// The question box takes the left of the page, the answers a column beside it.
constexpr double kQuestionWidth = 340;
constexpr double kAnswersGap = 12;
constexpr double kGapBelowProblem = 12;
constexpr double kBoxRule = 0.7;

QStringList answersOf(const content::ProblemLayout &layout)
{
    QStringList answers;
    for (int button = 1; button <= content::kChoiceCount; ++button)
        answers << numberedAnswer(button, layout.captions[std::size_t(button - 1)]);
    answers << numberedAnswer(content::kChoiceCount + 1, content::kOtherChoiceCaption);
    return answers;
}

PrintedPiece printedProblem(int problem, const content::ProblemLayout &layout)
{
    const QSizeF box = QSizeF(questionBox().drawingSize()).scaled(kQuestionWidth, 1e9, Qt::KeepAspectRatio);
    const QStringList answers = answersOf(layout);
    const double line = text_measure::lineHeight(printFont(), kTextPoints);
    const double height = std::max(box.height(), line * double(answers.size())) + kGapBelowProblem;
    return {height, [problem, layout, box, answers, line](PagePainter &paper, const QRectF &area) {
                const QRectF question(area.topLeft(), box);
                paintQuestion(paper.painter(), paper.toDevice(question), problem, layout);
                paper.drawFrame(question, kBoxRule, kRuleColour);
                const double left = question.right() + kAnswersGap;
                for (qsizetype index = 0; index < answers.size(); ++index) {
                    const QRectF row(left, area.top() + line * double(index), area.right() - left, line);
                    paper.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, answers[index], printFont(), kTextPoints);
                }
            }};
}

// The answer key as a table: the problem, the number of its correct answer
// and that answer.
PrintedBlock answerKey(const QList<int> &problems, int layout)
{
    QStandardItemModel key(0, 3);
    key.setHorizontalHeaderLabels({QStringLiteral("問題"), QStringLiteral("番号"), QStringLiteral("正しい答え")});
    for (const int problem : problems) {
        const int correct = *content::correctButton(problem, layout);
        const content::ProblemLayout shown =
            *content::presentedLayout(problem, layout, content::Presentation::OnActivation);
        auto *number = new QStandardItem(QString::number(correct));
        number->setTextAlignment(Qt::AlignCenter);
        key.appendRow({new QStandardItem(content::problemTitle(problem).trimmed()), number,
                       new QStandardItem(shown.captions[std::size_t(correct - 1)])});
    }
    PrintedBlock block = printedTable(key, QStringLiteral("解答"), QString(), a4TextWidth());
    block.startsPage = true;
    return block;
}

QString rangeOf(std::optional<Stage> stage)
{
    if (!stage)
        return QStringLiteral("全%1問").arg(content::kLastProblem);
    return *stage == Stage::First ? QStringLiteral("ステージ１（問題%1〜%2）").arg(content::kFirstProblem).arg(kLastStage1Problem)
                                  : QStringLiteral("ステージ２（問題%1〜%2）").arg(kLastStage1Problem + 1).arg(content::kLastProblem);
}

} // namespace

QString numberedAnswer(int button, const QString &caption)
{
    return QStringLiteral("(%1) %2").arg(button).arg(caption);
}

TeachingMaterial problemWorksheet(int layout, std::optional<Stage> stage, const QDateTime &madeAt)
{
    QList<int> problems;
    PrintedBlock questions;
    for (int problem = content::kFirstProblem; problem <= content::kLastProblem; ++problem) {
        if (stage && !stageHolds(*stage, problem))
            continue;
        problems << problem;
        questions.pieces.append(printedProblem(
            problem, *content::presentedLayout(problem, layout, content::Presentation::OnActivation)));
    }
    return {{QStringLiteral("問題プリント　パターン%1　%2").arg(layout).arg(rangeOf(stage)),
             QStringLiteral("%1　解答は最後のページにあります。").arg(courseName()), madeAt},
            {questions, answerKey(problems, layout)}};
}

} // namespace piyota::teacher
