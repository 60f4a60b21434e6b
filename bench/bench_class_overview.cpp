// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The teachers' overview on a folder of 1,000 progress files: the folder
// read into the class's figures, and the same read, shown in the window and
// painted. The folder is made in the current directory: run it from a
// folder on the file system to be measured.
#include "teacher/class_folders.h"
#include "teacher/fake_teacher_dialogs.h"
#include "teacher_window.h"

#include <QEventLoop>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace piyota::bench {
namespace {

using namespace piyota::teacher;
using namespace piyota::testing;

constexpr int kStudents = 1000;

// Students spread over the course: some done, most on a problem, begun or not.
bool writeStudents(const QDir &folder)
{
    for (int k = 0; k < kStudents; ++k) {
        const int problemNo = 1 + k % 30;
        const QByteArray current = k % 2 == 0 ? QByteArray("1,45296.37") : QByteArray("0,0");
        const QByteArray text = progressText(problemNo, QByteArray::number(3000 * (k % 20)),
                                             finishedUpTo(problemNo == 30 && k % 7 == 0 ? 30 : problemNo - 1, current));
        if (!writeBytes(folder.filePath(QStringLiteral("student%1.ucd").arg(k, 4, 10, QLatin1Char('0'))), text))
            return false;
    }
    return true;
}

void readClassFolder(benchmark::State &state)
{
    const QTemporaryDir folder(QDir::current().filePath(QStringLiteral("class-bench-XXXXXX")));
    if (!writeStudents(QDir(folder.path())))
        state.SkipWithError("the progress files could not be written");
    for (auto _ : state) {
        QFuture<ClassOverview> reading = readClassOverview(folder.path());
        reading.waitForFinished();
        if (reading.result().students.size() != kStudents)
            state.SkipWithError("not every student was read");
    }
}
BENCHMARK(readClassFolder)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// From opening the folder to the window painted with the tables and chart.
void showClassFolder(benchmark::State &state)
{
    const QTemporaryDir folder(QDir::current().filePath(QStringLiteral("class-bench-XXXXXX")));
    if (!writeStudents(QDir(folder.path())))
        state.SkipWithError("the progress files could not be written");
    piyota::testing::FakeTeacherDialogs dialogs; // cancels every dialog
    TeacherWindow window(dialogs);
    window.show();
    for (auto _ : state) {
        QEventLoop shown;
        QObject::connect(&window, &TeacherWindow::overviewShown, &shown, &QEventLoop::quit);
        window.openFolder(folder.path());
        shown.exec();
        window.repaint();
        if (window.overview().students.size() != kStudents)
            state.SkipWithError("not every student was shown");
    }
}
BENCHMARK(showClassFolder)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace
} // namespace piyota::bench
