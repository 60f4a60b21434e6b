// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "student_window.h"

#include "student_problems_model.h"
#include "student_table_model.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace piyota::teacher {

namespace {

// The student's row of the class table, as text, for the summary above the problems.
QString standingText(const StudentFigures &student, StudentTableModel::Column column)
{
    StudentTableModel row;
    row.setRows({student});
    return row.index(0, column).data().toString();
}

} // namespace

StudentWindow::StudentWindow(const StudentFigures &student, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("studentWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString who = student.login.isEmpty() ? student.userCode
                                                : QStringLiteral("%1（%2）").arg(student.userCode, student.login);
    setWindowTitle(QStringLiteral("%1 の問題").arg(who));

    auto *summary = new QFormLayout;
    const std::pair<QString, StudentTableModel::Column> facts[] = {
        {QStringLiteral("ログイン"), StudentTableModel::Login},
        {QStringLiteral("ユーザーコード"), StudentTableModel::UserCode},
        {QStringLiteral("得点"), StudentTableModel::Score},
        {QStringLiteral("到達した問題"), StudentTableModel::ProblemReached},
        {QStringLiteral("最終保存"), StudentTableModel::LastSaved},
    };
    for (const auto &[label, column] : facts) {
        auto *value = new QLabel(standingText(student, column));
        value->setAccessibleName(label);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        summary->addRow(label + QStringLiteral("："), value);
    }

    auto *problems = new QTableView;
    problems->setAccessibleName(QStringLiteral("問題ごと"));
    problems->setModel(new StudentProblemsModel(student, problems));
    problems->setEditTriggers(QAbstractItemView::NoEditTriggers);
    problems->verticalHeader()->hide();
    problems->horizontalHeader()->setStretchLastSection(true);
    problems->resizeColumnsToContents();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(summary);
    layout->addWidget(problems);
    layout->addWidget(buttons);
    resize(560, 720);
}

} // namespace piyota::teacher
