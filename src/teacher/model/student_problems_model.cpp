// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "student_problems_model.h"

#include "course_standing.h"
#include "figure_text.h"
#include "lectures/lecture.h"

namespace piyota::teacher {

namespace {

ProblemState stateOf(const ProgressRecord &record, int problem)
{
    if (hasFinishedProblem(record, problem))
        return ProblemState::Finished;
    if (!hasReachedProblem(record, problem))
        return ProblemState::NotReached;
    return isCurrentProblemInProgress(record) ? ProblemState::InProgress : ProblemState::NotBegun;
}

QList<StudentProblem> problemsOf(const ProgressRecord &record)
{
    QList<StudentProblem> problems;
    for (int p = content::kFirstProblem; p <= content::kLastProblem; ++p) {
        const content::Lecture *lecture = content::lectureFor(p);
        problems.append({p, lecture ? lecture->number : 0, stateOf(record, p), record.missCount[p],
                         record.answerSeconds[p]});
    }
    return problems;
}

QString stateText(ProblemState state)
{
    switch (state) {
    case ProblemState::NotReached:
        return QStringLiteral("まだ来ていない");
    case ProblemState::NotBegun:
        return QStringLiteral("まだ始めていない");
    case ProblemState::InProgress:
        return QStringLiteral("解いている途中");
    case ProblemState::Finished:
        return QStringLiteral("解き終えた");
    }
    return {};
}

} // namespace

StudentProblemsModel::StudentProblemsModel(const StudentFigures &student, QObject *parent)
    : RowTableModel(
          {
              {QStringLiteral("問題"), QStringLiteral("問題の番号です。"), ColumnKind::Whole},
              {QStringLiteral("講義"), QStringLiteral("その問題で HELP を押すと開く数学博士の講義です。"),
               ColumnKind::Whole},
              {QStringLiteral("状態"), QStringLiteral("この生徒がその問題のどこまで来ているかです。")},
              {QStringLiteral("間違い"), QStringLiteral("その問題での間違いの数です。"), ColumnKind::Whole},
              {QStringLiteral("時間（秒）"), QStringLiteral("解き終えた問題にかかった秒数です。"), ColumnKind::Whole},
          },
          parent)
{
    setRows(problemsOf(student.record));
}

QString StudentProblemsModel::text(const StudentProblem &problem, int column) const
{
    switch (column) {
    case StudentProblemsModel::Problem:
        return QString::number(problem.problem);
    case StudentProblemsModel::Lecture:
        return QString::number(problem.lecture);
    case StudentProblemsModel::State:
        return stateText(problem.state);
    case StudentProblemsModel::Misses:
        return problem.state == ProblemState::NotReached ? QString() : QString::number(problem.misses);
    case StudentProblemsModel::Seconds:
        return problem.state == ProblemState::Finished ? fixedNumber(problem.seconds, kWholeDecimals) : QString();
    }
    return {};
}

} // namespace piyota::teacher
