// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress_file.h"

#include "course_state.h"
#include "file_replacement.h"
#include "progress_format.h"
#include "progress_reader.h"

namespace piyota {

ProgressFile::ProgressFile(QDir directory)
    : directory_(std::move(directory))
{
}

bool ProgressFile::isUsableCode(const QString &userCode)
{
    return !userCode.isEmpty() && !userCode.contains(QLatin1Char('/'))
        && !userCode.contains(QLatin1Char('\\')) && !userCode.contains(QChar(0));
}

QString ProgressFile::fileNameFor(const QString &userCode)
{
    return userCode + QStringLiteral(".ucd");
}

QString ProgressFile::pathFor(const QString &userCode) const
{
    return directory_.filePath(fileNameFor(userCode));
}

bool ProgressFile::saveProgress(const CourseState &state) const
{
    return isUsableCode(state.userCode)
        && replaceFile(directory_, fileNameFor(state.userCode), formatProgress(ProgressRecord::of(state)));
}

bool ProgressFile::loadProgress(CourseState &state) const
{
    if (!isUsableCode(state.userCode))
        return false;
    const ProgressFileRead read = readProgressFile(directory_, fileNameFor(state.userCode));
    const auto *record = std::get_if<ProgressRecord>(&read);
    if (!record)
        return false;
    record->applyTo(state);
    return true;
}

} // namespace piyota
