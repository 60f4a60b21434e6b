// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A student at the program, for the checks of a class folder that several
// accounts share (scripts/check-shared-folder), run as each account:
//
//   scripted_student <sounds folder> afresh|continue <user code> [hold]
//
// Enters the data folder as the student's command does (PIYOTA_DATA_DIR,
// HOME), opens the start menu, presses 初めからやる or 前の続きからやる, types
// the code, and on a problem presses 終了 and answers はい. With "hold" it
// stays on the problem, holding the code, until it is killed. It prints
// what the student saw, a line each:
//   window <text>    a message box (line breaks as \n)
//   folder <path>    the folder it works in
//   problem <n>      the problem screen it reached
//   ended            the program ended (a progress file it cannot use)
//   board            the learning history board, after a save
// and ends with status 1 when it could not enter a data folder.

#include "desktop_identity.h"
#include "fakes/test_app.h"
#include "student_data_folder.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <QPushButton>

#include <cstdio>

using namespace piyota;
using namespace piyota::testing;

namespace {

void say(const char *what, const QString &text = QString())
{
    QString line = QString::fromLatin1(what);
    if (!text.isEmpty())
        line += QLatin1Char(' ') + QString(text).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

void click(TestApp &student, const QString &button)
{
    student.navigator.currentScreen()->findChild<QPushButton *>(button)->click();
}

QString lastMessage(const FakeDialogs &dialogs)
{
    return dialogs.asked.isEmpty() ? QString() : dialogs.asked.last().text;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 4 || !QStringList{QStringLiteral("afresh"), QStringLiteral("continue")}.contains(arguments[2])) {
        std::fprintf(stderr, "usage: scripted_student <sounds folder> afresh|continue <user code> [hold]\n");
        return 2;
    }
    FakeDialogs folderDialogs;
    const std::optional<QDir> folder = openStudentDataFolder(folderDialogs, QProcessEnvironment::systemEnvironment(),
                                                             desktopFileName(), QDir(arguments[1]));
    if (!folder) {
        say("window", lastMessage(folderDialogs));
        return 1;
    }
    say("folder", folder->path());

    TestApp student(folder->path());
    student.navigator.show(ScreenId::StartMenu);
    student.dialogs.inputAnswers = {arguments[3]};
    click(student, arguments[2] == QLatin1String("afresh") ? QStringLiteral("Command1") : QStringLiteral("Command2"));
    if (student.exitCode) {
        say("ended");
        return 0;
    }
    if (student.navigator.currentId() == ScreenId::StartMenu) {
        say("window", lastMessage(student.dialogs));
        return 0;
    }
    say("problem", QString::number(student.course.problemNo));
    if (arguments.value(4) == QLatin1String("hold"))
        return QApplication::exec();

    student.dialogs.yesNoAnswers = {true};
    click(student, QStringLiteral("Command10"));
    if (student.navigator.currentId() == ScreenId::History)
        say("board");
    else
        say("window", lastMessage(student.dialogs));
    return 0;
}
