// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "problem_table_model.h"

#include "figure_text.h"

#include <QFont>

namespace piyota::teacher {

ProblemTableModel::ProblemTableModel(QObject *parent)
    : RowTableModel(
          {
              {QStringLiteral("問題"), QStringLiteral("問題の番号です。"), ColumnKind::Whole},
              {QStringLiteral("到達した人数"),
               QStringLiteral("この問題まで来た生徒の数です（解いている途中の生徒も含みます）。"), ColumnKind::Whole},
              {QStringLiteral("解き終えた人数"), QStringLiteral("この問題を解き終えた生徒の数です。"), ColumnKind::Whole},
              {QStringLiteral("間違いの合計"), QStringLiteral("この問題まで来た生徒の間違いの数の合計です。"),
               ColumnKind::Whole},
              {QStringLiteral("間違いの平均"),
               QStringLiteral("この問題まで来た生徒一人あたりの間違いの数です（小数第１位まで）。"),
               ColumnKind::OneDecimal},
              {QStringLiteral("時間の中央値（秒）"),
               QStringLiteral("解き終えた生徒のかかった秒数の中央値です（秒未満は四捨五入）。"), ColumnKind::Whole},
              {QStringLiteral("要注意"),
               QStringLiteral("★：間違いの平均が最も多い３問です（３位と同じ平均の問題も含みます）。")},
          },
          parent)
{
}

QColor ProblemTableModel::hardestShade()
{
    return QColor(255, 214, 170);
}

QString ProblemTableModel::text(const ProblemFigures &problem, int column) const
{
    switch (column) {
    case ProblemTableModel::Problem:
        return QString::number(problem.problem);
    case ProblemTableModel::Reached:
        return QString::number(problem.studentsReached);
    case ProblemTableModel::Finished:
        return QString::number(problem.studentsFinished);
    case ProblemTableModel::TotalMisses:
        return QString::number(problem.totalMisses);
    case ProblemTableModel::AverageMisses:
        return fixedNumber(problem.averageMisses, kAverageDecimals);
    case ProblemTableModel::MedianSeconds:
        return fixedNumber(problem.medianSeconds, kWholeDecimals);
    case ProblemTableModel::Attention:
        return problem.hardest ? QStringLiteral("★") : QString();
    }
    return {};
}

// A problem without a figure sorts below every problem with one.
QVariant ProblemTableModel::sortValue(const ProblemFigures &problem, int column) const
{
    switch (column) {
    case ProblemTableModel::Problem:
        return problem.problem;
    case ProblemTableModel::Reached:
        return problem.studentsReached;
    case ProblemTableModel::Finished:
        return problem.studentsFinished;
    case ProblemTableModel::TotalMisses:
        return problem.totalMisses;
    case ProblemTableModel::AverageMisses:
        return problem.averageMisses.value_or(-1);
    case ProblemTableModel::MedianSeconds:
        return problem.medianSeconds.value_or(-1);
    case ProblemTableModel::Attention:
        return problem.hardest ? 1 : 0;
    }
    return {};
}

QVariant ProblemTableModel::look(const ProblemFigures &problem, int, int role) const
{
    if (!problem.hardest)
        return {};
    if (role == Qt::BackgroundRole)
        return hardestShade();
    if (role != Qt::FontRole)
        return {};
    QFont bold;
    bold.setBold(true);
    return bold;
}

} // namespace piyota::teacher
