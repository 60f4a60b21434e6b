// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_table_model.h"

#include "figure_text.h"

namespace piyota::teacher {

namespace {

QString problemsText(const LectureFigures &lecture)
{
    if (lecture.firstProblem == lecture.lastProblem)
        return QStringLiteral("問%1").arg(lecture.firstProblem);
    return QStringLiteral("問%1〜%2").arg(lecture.firstProblem).arg(lecture.lastProblem);
}

} // namespace

LectureTableModel::LectureTableModel(QObject *parent)
    : RowTableModel(
          {
              {QStringLiteral("講義"), QStringLiteral("数学博士の講義の番号です（問題で HELP を押すと開く講義）。"),
               ColumnKind::Whole},
              {QStringLiteral("内容"), QStringLiteral("講義で扱う内容です。")},
              {QStringLiteral("問題"), QStringLiteral("この講義が説明する問題です。")},
              {QStringLiteral("到達した人数"), QStringLiteral("講義の最初の問題まで来た生徒の数です。"),
               ColumnKind::Whole},
              {QStringLiteral("間違いの合計"), QStringLiteral("講義の問題での間違いの数の合計です。"),
               ColumnKind::Whole},
              {QStringLiteral("間違いの平均（１問あたり）"),
               QStringLiteral("講義の問題で、生徒が到達した１問あたりの間違いの数です（小数第１位まで）。"),
               ColumnKind::OneDecimal},
          },
          parent)
{
}

QString LectureTableModel::text(const LectureFigures &lecture, int column) const
{
    switch (column) {
    case LectureTableModel::Lecture:
        return QString::number(lecture.lecture);
    case LectureTableModel::Topic:
        return lecture.topic;
    case LectureTableModel::Problems:
        return problemsText(lecture);
    case LectureTableModel::Reached:
        return QString::number(lecture.studentsReached);
    case LectureTableModel::TotalMisses:
        return QString::number(lecture.totalMisses);
    case LectureTableModel::AverageMisses:
        return fixedNumber(lecture.averageMisses, kAverageDecimals);
    }
    return {};
}

QVariant LectureTableModel::sortValue(const LectureFigures &lecture, int column) const
{
    switch (column) {
    case LectureTableModel::Lecture:
    case LectureTableModel::Topic:
    case LectureTableModel::Problems:
        return lecture.lecture;
    case LectureTableModel::Reached:
        return lecture.studentsReached;
    case LectureTableModel::TotalMisses:
        return lecture.totalMisses;
    case LectureTableModel::AverageMisses:
        return lecture.averageMisses.value_or(-1);
    }
    return {};
}

} // namespace piyota::teacher
