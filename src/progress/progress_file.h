// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QString>

namespace piyota {

struct CourseState;

// The student's progress file, named after the user code with the extension
// ".ucd", in the working directory.
class ProgressFile {
public:
    explicit ProgressFile(QDir directory);

    // A code names a file in the working directory only: no path separator,
    // no NUL, not empty.
    static bool isUsableCode(const QString &userCode);

    static QString fileNameFor(const QString &userCode);
    QString pathFor(const QString &userCode) const;

    // Replaces the file of state.userCode as a whole (see replaceFile()): a
    // failed save leaves the previous file as it was. False when the file
    // could not be written, or when something else than a regular file
    // stands under its name.
    bool saveProgress(const CourseState &state) const;

    // Replaces problemNo, score, missCount and answerSeconds by the file's
    // values; false, with the state untouched, when the file is missing or
    // malformed, or is not a regular file of the directory itself (see
    // readProgressFile()).
    bool loadProgress(CourseState &state) const;

private:
    QDir directory_;
};

} // namespace piyota
