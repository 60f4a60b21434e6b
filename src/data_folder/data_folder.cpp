// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data_folder.h"

#include "data_folder_location.h"
#include "earlier_progress.h"
#include "own_folder.h"
#include "sound_copies.h"
#include "unique_fd.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace piyota {

namespace {

// The account's own data folder, private to it.
constexpr mode_t kOwnDataFolderMode = 0700;

bool isShared(int folder)
{
    struct stat status {};
    return ::fstat(folder, &status) == 0 && (status.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

// Makes the account's own data folder where it is missing, and its parents.
bool makeOwnDataFolder(const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    return ::mkdir(QFile::encodeName(path).constData(), kOwnDataFolderMode) == 0 || errno == EEXIST;
}

} // namespace

std::variant<QDir, DataFolderProblem> enterDataFolder(const QProcessEnvironment &environment, const QString &appId,
                                                      const QDir &sounds)
{
    const DataFolderLocation location = locateDataFolder(environment, appId);
    const bool isOwn = location.kind == DataFolderLocation::Kind::Own;
    const auto failure = isOwn ? DataFolderProblem::Kind::CannotMake : DataFolderProblem::Kind::NotFound;
    if (!QDir::isAbsolutePath(location.path))
        return DataFolderProblem{failure, location.path};
    // The school's folder is never made here: where it is not mounted, the
    // progress would be kept on this machine alone.
    if (isOwn && !makeOwnDataFolder(location.path))
        return DataFolderProblem{failure, location.path, errno};
    UniqueFd work(::open(QFile::encodeName(location.path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!work.isOpen())
        return DataFolderProblem{failure, location.path, errno};

    if (isShared(work.get())) {
        const QByteArray login = loginName();
        UniqueFd own = openOwnFolder(work.get(), login);
        if (!own.isOpen())
            return DataFolderProblem{DataFolderProblem::Kind::CannotMake,
                                     location.path + QLatin1Char('/') + QFile::decodeName(login), errno};
        takeOverEarlierProgress(work.get(), own.get());
        work = std::move(own);
    }
    copyMissingSounds(sounds, work.get());
    if (::fchdir(work.get()) != 0)
        return DataFolderProblem{DataFolderProblem::Kind::CannotMake, location.path, errno};
    return QDir(QDir::currentPath());
}

} // namespace piyota
