// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "class_overview.h"
#include "row_table_model.h"

namespace piyota::teacher {

// The entries of the folder that were not read, each with the reason.
class SkippedFilesModel final : public RowTableModel<SkippedFile> {
    Q_OBJECT
public:
    enum Column { FileName, Reason };

    explicit SkippedFilesModel(QObject *parent = nullptr);

private:
    QString text(const SkippedFile &file, int column) const override;
};

} // namespace piyota::teacher
