// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <functional>

namespace piyota::teacher {

// What piyota-teacher does without a window: each command is an option
// (with the one value it takes) and what follows it (a folder), run on
// Qt's offscreen platform so that it needs no display. A new command is one
// more entry of teacherCommands().
struct TeacherCommand {
    QCommandLineOption option;
    // The names of the other options it takes (--table, --stage, ...);
    // one meant for another command is refused, never silently ignored.
    QStringList takes;
    // Runs with the command line as parsed; gives the exit status.
    std::function<int(const QCommandLineParser &options)> run;
};

QList<TeacherCommand> teacherCommands();

// Whether the command line asks for something other than the window (an
// option: --help, --version or a command).
bool isCommandLineRun(int argc, char *argv[]);

// Runs the command line without a display: the help, the version, or one
// command. Gives the exit status.
int runCommandLine(int argc, char *argv[]);

} // namespace piyota::teacher
