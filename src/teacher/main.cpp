// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// ぴよたの研修旅行 先生用: the teachers' overview of a class's progress files.
// Without options it opens its window, on the folder given if there is one;
// with options it runs as a command without a display (teacher_commands.h).

#include "desktop_identity.h"
#include "fonts.h"
#include "translations.h"
#include "teacher_commands.h"
#include "teacher_dialogs.h"
#include "teacher_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    using namespace piyota;
    using namespace piyota::teacher;

    if (isCommandLineRun(argc, argv))
        return runCommandLine(argc, argv);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("piyota-teacher"));
    QApplication::setDesktopFileName(teacherDesktopFileName());
    QApplication::setWindowIcon(applicationIcon());
    QApplication::setFont(tableFont(10));
    installJapaneseTranslations(application);

    QtTeacherDialogs dialogs;
    TeacherWindow window(dialogs);
    window.show();
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        window.openFolder(arguments.at(1));
    return QApplication::exec();
}
