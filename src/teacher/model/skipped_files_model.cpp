#include "skipped_files_model.h"

#include "refusal_text.h"
#include "table_columns.h"

namespace piyota::teacher {

void SkippedFilesModel::setSkipped(QList<SkippedFile> skipped)
{
    beginResetModel();
    skipped_ = std::move(skipped);
    endResetModel();
}

int SkippedFilesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(skipped_.size());
}

int SkippedFilesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SkippedFilesModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || (role != Qt::DisplayRole && role != kSortRole))
        return {};
    const SkippedFile &file = skipped_[index.row()];
    return index.column() == FileName ? file.fileName : refusalText(file.reason);
}

QVariant SkippedFilesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList headers{QStringLiteral("ファイル"), QStringLiteral("読めなかった理由")};
    return columnHeading(headers, section, orientation, role);
}

} // namespace piyota::teacher
