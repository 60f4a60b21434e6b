#include "problem_table_model.h"

#include "plain_number.h"
#include "table_columns.h"

#include <QColor>
#include <QFont>

namespace piyota::teacher {

namespace {

QString optionalNumber(const std::optional<double> &value, int maxDecimals)
{
    return value ? plainNumber(*value, maxDecimals) : QString();
}

QVariant displayed(const ProblemFigures &problem, int column)
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
        return optionalNumber(problem.averageMisses, 2);
    case ProblemTableModel::MedianSeconds:
        return optionalNumber(problem.medianSeconds, 1);
    case ProblemTableModel::Attention:
        return problem.hardest ? QStringLiteral("★") : QString();
    }
    return {};
}

// A problem without a figure sorts below every problem with one.
QVariant sortValue(const ProblemFigures &problem, int column)
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

} // namespace

void ProblemTableModel::setProblems(QList<ProblemFigures> problems)
{
    beginResetModel();
    problems_ = std::move(problems);
    endResetModel();
}

int ProblemTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(problems_.size());
}

int ProblemTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QColor ProblemTableModel::hardestShade()
{
    return QColor(255, 214, 170);
}

QVariant ProblemTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const ProblemFigures &problem = problems_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return displayed(problem, index.column());
    case kSortRole:
        return sortValue(problem, index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignVCenter | (index.column() == Attention ? Qt::AlignHCenter : Qt::AlignRight));
    case Qt::BackgroundRole:
        return problem.hardest ? QVariant(hardestShade()) : QVariant();
    case Qt::FontRole: {
        if (!problem.hardest)
            return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    default:
        return {};
    }
}

QVariant ProblemTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList headers{
        QStringLiteral("問題"),         QStringLiteral("到達した人数"), QStringLiteral("解き終えた人数"),
        QStringLiteral("間違いの合計"), QStringLiteral("間違いの平均"), QStringLiteral("時間の中央値（秒）"),
        QStringLiteral("要注意"),
    };
    return columnHeading(headers, section, orientation, role);
}

} // namespace piyota::teacher
