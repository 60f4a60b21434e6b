// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace piyota {

// Where the student's command keeps its files.
struct DataFolderLocation {
    enum class Kind {
        Own,   // the account's own data folder, made when it is missing
        School // the folder PIYOTA_DATA_DIR names, made beforehand by the school
    };
    Kind kind = Kind::Own;
    QString path; // absolute, unless the environment names no usable folder
};

// From the environment: the folder PIYOTA_DATA_DIR names when it is set,
// else "<app id>" in XDG_DATA_HOME when that is an absolute path (a relative
// one is ignored, as the XDG base directories say), else in
// "$HOME/.local/share".
DataFolderLocation locateDataFolder(const QProcessEnvironment &environment, const QString &appId);

} // namespace piyota
