// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "student_data_folder.h"

#include "common/captions.h"
#include "data_folder.h"
#include "dialogs.h"

#include <cstdio>
#include <cstring>

namespace piyota {

namespace {

QString messageFor(const DataFolderProblem &problem)
{
    const QString text = problem.kind == DataFolderProblem::Kind::NotFound
        ? QStringLiteral("学習の記録を保存するフォルダー「%1」が見つかりません。\n先生に知らせてください。")
        : QStringLiteral("学習の記録を保存するフォルダー「%1」を作れませんでした。\n先生に知らせてください。");
    return text.arg(problem.path);
}

// For whoever started the command in a terminal, or reads the session's log.
void report(const DataFolderProblem &problem)
{
    const QByteArray path = problem.path.toLocal8Bit();
    const char *reason = problem.error != 0 ? std::strerror(problem.error) : "not an absolute path";
    if (problem.kind == DataFolderProblem::Kind::NotFound)
        std::fprintf(stderr, "piyota: the data folder '%s' (PIYOTA_DATA_DIR) cannot be used: %s\n", path.constData(), reason);
    else
        std::fprintf(stderr, "piyota: cannot make the data folder '%s': %s\n", path.constData(), reason);
}

} // namespace

std::optional<QDir> openStudentDataFolder(Dialogs &dialogs, const QProcessEnvironment &environment,
                                          const QString &appId, const QDir &sounds)
{
    const auto entered = enterDataFolder(environment, appId, sounds);
    if (const auto *folder = std::get_if<QDir>(&entered))
        return *folder;
    const auto &problem = std::get<DataFolderProblem>(entered);
    report(problem);
    dialogs.inform(nullptr, messageFor(problem), Caption::quizTitle);
    return std::nullopt;
}

} // namespace piyota
