// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QProcessEnvironment>
#include <QString>

#include <variant>

namespace piyota {

// Why the student's command found no folder to work in.
struct DataFolderProblem {
    enum class Kind {
        NotFound,  // the school's folder (PIYOTA_DATA_DIR) is missing, or not named by an absolute path
        CannotMake // the account's own folder could not be made (a home folder that is not writable, a full disk)
    };
    Kind kind = Kind::NotFound;
    QString path;
    int error = 0; // errno of the failed call, where there was one
};

// Makes the student's data folder the working directory, ready for the
// program: the folder locateDataFolder() names, made first where it is the
// account's own.
//
// A folder that other accounts may write in (group- or other-writable, as
// a school's shared folder is) is never worked in itself: the account works
// in a folder of its own in it (see openOwnFolder()), and takes its
// progress files of earlier versions along (takeOverEarlierProgress()).
// A folder only this account may write in is worked in itself.
//
// The sounds of `sounds` are copied where missing (copyMissingSounds()).
// Gives the working directory, or why there is none.
std::variant<QDir, DataFolderProblem> enterDataFolder(const QProcessEnvironment &environment, const QString &appId,
                                                      const QDir &sounds);

} // namespace piyota
