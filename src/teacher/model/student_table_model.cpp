#include "student_table_model.h"

#include "plain_number.h"
#include "table_columns.h"

namespace piyota::teacher {

namespace {

QString problemReachedText(const StudentFigures &student)
{
    if (student.courseDone)
        return QStringLiteral("修了");
    const QString number = QString::number(student.problemReached);
    return student.problemInProgress ? number + QStringLiteral("（進行中）") : number;
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

QVariant displayed(const StudentFigures &student, int column)
{
    switch (column) {
    case StudentTableModel::UserCode:
        return student.userCode;
    case StudentTableModel::ProblemReached:
        return problemReachedText(student);
    case StudentTableModel::Score:
        return plainNumber(student.score, 2);
    case StudentTableModel::TotalMisses:
        return QString::number(student.totalMisses);
    case StudentTableModel::TotalSeconds:
        return plainNumber(student.totalSeconds);
    case StudentTableModel::MostMissed:
        return mostMissedText(student);
    }
    return {};
}

QVariant sortValue(const StudentFigures &student, int column)
{
    switch (column) {
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
    case StudentTableModel::MostMissed:
        return student.mostMissed.isEmpty() ? 0 : student.mostMissed.front().misses;
    }
    return {};
}

} // namespace

void StudentTableModel::setStudents(QList<StudentFigures> students)
{
    beginResetModel();
    students_ = std::move(students);
    endResetModel();
}

int StudentTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(students_.size());
}

int StudentTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StudentTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const StudentFigures &student = students_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return displayed(student, index.column());
    case kSortRole:
        return sortValue(student, index.column());
    case Qt::TextAlignmentRole: {
        const bool number = index.column() == Score || index.column() == TotalMisses || index.column() == TotalSeconds;
        return int(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return {};
    }
}

QVariant StudentTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList headers{
        QStringLiteral("ユーザーコード"), QStringLiteral("到達した問題"), QStringLiteral("得点"),
        QStringLiteral("間違いの合計"),   QStringLiteral("時間の合計（秒）"), QStringLiteral("間違いの多い問題"),
    };
    return columnHeading(headers, section, orientation, role);
}

} // namespace piyota::teacher
