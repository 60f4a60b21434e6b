// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skipped_files_model.h"

#include "refusal_text.h"

namespace piyota::teacher {

SkippedFilesModel::SkippedFilesModel(QObject *parent)
    : RowTableModel(
          {
              {QStringLiteral("ファイル"),
               QStringLiteral("読まなかった .ucd ファイル、または中を見られなかった生徒のフォルダ（名前が / で終わるもの）"
                              "です。UTF-8 でない文字は \\xHH と示します。")},
              {QStringLiteral("読めなかった理由"), QStringLiteral("読まなかった理由です。")},
          },
          parent)
{
}

QString SkippedFilesModel::text(const SkippedFile &file, int column) const
{
    return column == FileName ? file.fileName : refusalText(file.reason);
}

} // namespace piyota::teacher
