// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "student_table_model.h"

#include "figure_text.h"

namespace piyota::teacher {

namespace {

QString problemReachedText(const StudentFigures &student)
{
    if (student.courseDone)
        return QStringLiteral("修了");
    const QString number = QString::number(student.problemReached);
    return number + (student.problemInProgress ? QStringLiteral("（進行中）") : QStringLiteral("（未着手）"));
}

QString problemReachedHelp(const StudentFigures &student)
{
    if (student.courseDone)
        return QStringLiteral("30問すべてを終えました。");
    if (student.problemInProgress)
        return QStringLiteral("問題%1を解いている途中です。").arg(student.problemReached);
    return QStringLiteral("問題%1まで来ましたが、まだ始めていません（初めからやったばかりか、ルーレットのすぐ後です）。")
        .arg(student.problemReached);
}

// Done after every problem; a problem begun after the same problem not yet begun.
double problemReachedOrder(const StudentFigures &student)
{
    if (student.courseDone)
        return content::kLastProblem + 1;
    return student.problemReached + (student.problemInProgress ? 0.5 : 0.0);
}

QString mostMissedText(const StudentFigures &student)
{
    QStringList problems;
    for (const ProblemMisses &missed : student.mostMissed)
        problems.append(QStringLiteral("問%1（%2回）").arg(missed.problem).arg(missed.misses));
    return problems.join(QStringLiteral("、"));
}

} // namespace

QString savedAtText(const QDateTime &saved)
{
    return saved.isValid() ? saved.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

StudentTableModel::StudentTableModel(QObject *parent)
    : RowTableModel(
          {
              {QStringLiteral("ログイン"),
               QStringLiteral("生徒のフォルダの持ち主のログイン名です。開いたフォルダに直接置かれたファイルでは空です。")},
              {QStringLiteral("ユーザーコード"),
               QStringLiteral("生徒が入力したユーザーコードです（ファイル名から .ucd を除いたもの）。")},
              {QStringLiteral("到達した問題"),
               QStringLiteral("いま取り組んでいる問題です。修了：30問すべてを終えた、（進行中）：解いている途中、"
                              "（未着手）：まだ始めていない（初めからやったばかりか、ルーレットのすぐ後）。")},
              {QStringLiteral("得点"), QStringLiteral("いまの得点です。"), ColumnKind::Whole},
              {QStringLiteral("間違いの合計"),
               QStringLiteral("到達した問題での間違いの数の合計です（解いている途中の問題も含みます）。"), ColumnKind::Whole},
              {QStringLiteral("時間の合計（秒）"),
               QStringLiteral("解き終えた問題にかかった秒数の合計です（解いている途中の問題は含みません）。"),
               ColumnKind::Whole},
              {QStringLiteral("最終保存"), QStringLiteral("進み具合のファイルが最後に保存された日時です。"),
               ColumnKind::DateTime},
              {QStringLiteral("間違いの多い問題"),
               QStringLiteral("間違いの多い問題（多い順に３つまで）と、その間違いの数です。")},
          },
          parent)
{
}

QString StudentTableModel::text(const StudentFigures &student, int column) const
{
    switch (column) {
    case StudentTableModel::Login:
        return student.login;
    case StudentTableModel::UserCode:
        return student.userCode;
    case StudentTableModel::ProblemReached:
        return problemReachedText(student);
    case StudentTableModel::Score:
        return fixedNumber(student.score, kWholeDecimals);
    case StudentTableModel::TotalMisses:
        return QString::number(student.totalMisses);
    case StudentTableModel::TotalSeconds:
        return fixedNumber(student.totalSeconds, kWholeDecimals);
    case StudentTableModel::LastSaved:
        return savedAtText(student.lastSaved);
    case StudentTableModel::MostMissed:
        return mostMissedText(student);
    }
    return {};
}

QVariant StudentTableModel::sortValue(const StudentFigures &student, int column) const
{
    switch (column) {
    case StudentTableModel::Login:
        return student.login;
    case StudentTableModel::UserCode:
        return student.userCode;
    case StudentTableModel::ProblemReached:
        return problemReachedOrder(student);
    case StudentTableModel::Score:
        return student.score;
    case StudentTableModel::TotalMisses:
        return student.totalMisses;
    case StudentTableModel::TotalSeconds:
        return student.totalSeconds;
    case StudentTableModel::LastSaved:
        return student.lastSaved;
    case StudentTableModel::MostMissed:
        return student.mostMissed.isEmpty() ? 0 : student.mostMissed.front().misses;
    }
    return {};
}

QVariant StudentTableModel::look(const StudentFigures &student, int column, int role) const
{
    return role == Qt::ToolTipRole && column == ProblemReached ? QVariant(problemReachedHelp(student)) : QVariant();
}

} // namespace piyota::teacher
