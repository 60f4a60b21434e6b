// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QProcessEnvironment>
#include <QString>

#include <optional>

namespace piyota {

class Dialogs;

// Enters the student's data folder for the student's command (see
// enterDataFolder()), copying the sounds of `sounds` there. Where there is
// none, tells the student in a window, in Japanese, and on the standard
// error, and gives nothing: the program then ends.
std::optional<QDir> openStudentDataFolder(Dialogs &dialogs, const QProcessEnvironment &environment,
                                          const QString &appId, const QDir &sounds);

} // namespace piyota
