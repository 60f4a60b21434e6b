// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "class_folder.h"

#include "folder_entry.h"
#include "folder_listing.h"
#include "shown_names.h"

#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <optional>

namespace piyota::teacher {

namespace {

constexpr QByteArrayView kExtension = ".ucd";

// The progress files of one folder: the class folder itself (no name) or a
// student's folder in it.
struct FolderFiles {
    QByteArray folder;
    QList<QByteArray> names;
};

QList<QByteArray> progressFilesAmong(const QList<QByteArray> &names)
{
    QList<QByteArray> files;
    std::copy_if(names.begin(), names.end(), std::back_inserter(files), isProgressFileName);
    return files;
}

// The folder's own progress files, then each student's folder's; a
// student's folder that cannot be listed is skipped. Nothing when the folder
// itself cannot be listed.
std::optional<QList<FolderFiles>> listClassFolder(int top, QList<SkippedFile> &skipped)
{
    const auto names = entryNames(top);
    if (!names)
        return std::nullopt;
    QList<FolderFiles> found{{{}, progressFilesAmong(*names)}};
    for (const QByteArray &name : *names) {
        if (isProgressFileName(name) || !isStudentFolder(top, name))
            continue;
        const UniqueFd student = openSubfolder(top, name);
        const auto inside = student.isOpen() ? entryNames(student.get()) : std::nullopt;
        if (inside)
            found.append({name, progressFilesAmong(*inside)});
        else
            skipped.append({readableName(name) + QLatin1Char('/'), ProgressFileRefusal::Unreadable});
    }
    return found;
}

QString shownPath(const QByteArray &folder, const QByteArray &name)
{
    return folder.isEmpty() ? readableName(name) : readableName(folder) + QLatin1Char('/') + readableName(name);
}

QString loginOf(std::optional<uid_t> owner)
{
    return owner ? accountName(*owner) : QString();
}

// Who a progress file belongs to: the owner of the student's folder that
// holds it. A file at the top of a shared class folder names its own owner,
// so that one a student planted under another's code says whose it is; in a
// folder of one account's own (a student's data folder, a USB stick) the
// files at the top go without a login.
QString loginOfFile(int top, int folder, const QByteArray &name)
{
    if (folder != top)
        return loginOf(ownerOf(folder));
    return isShared(top) ? loginOf(ownerOf(top, name)) : QString();
}

StudentFigures studentOf(const ProgressRecord &record, const QString &login, int folder, const QByteArray &name)
{
    StudentFigures student = studentFigures(record);
    student.login = login;
    student.userCode = readableName(QByteArrayView(name).chopped(kExtension.size()));
    if (const auto modified = modifiedSecondsSinceEpoch(folder, name))
        student.lastSaved = QDateTime::fromSecsSinceEpoch(*modified);
    return student;
}

void readFolder(QPromise<ClassOverview> &promise, const QString &folderPath, const ProgressFileReader &read)
{
    ClassOverview overview;
    overview.folder = folderPath;
    const UniqueFd top = openFolder(QDir(folderPath));
    const auto listed = top.isOpen() ? listClassFolder(top.get(), overview.skipped) : std::nullopt;
    overview.folderReadable = listed.has_value();
    qsizetype found = 0;
    for (const FolderFiles &files : listed.value_or(QList<FolderFiles>()))
        found += files.names.size();
    promise.setProgressRange(0, int(found));

    QList<ProgressRecord> records;
    int done = 0;
    for (const FolderFiles &files : listed.value_or(QList<FolderFiles>())) {
        // A student's folder is opened again to read it: no more than one stays open.
        const UniqueFd student = files.folder.isEmpty() ? UniqueFd() : openSubfolder(top.get(), files.folder);
        const int folder = files.folder.isEmpty() ? top.get() : student.get();
        for (const QByteArray &name : files.names) {
            if (promise.isCanceled())
                return;
            const ProgressFileRead result = folder >= 0 ? read(folder, name) : ProgressFileRefusal::Missing;
            if (const auto *record = std::get_if<ProgressRecord>(&result)) {
                records.append(*record);
                overview.students.append(studentOf(*record, loginOfFile(top.get(), folder, name), folder, name));
            } else {
                overview.skipped.append({shownPath(files.folder, name), std::get<ProgressFileRefusal>(result)});
            }
            promise.setProgressValue(++done);
        }
    }
    std::sort(overview.students.begin(), overview.students.end(), [](const StudentFigures &a, const StudentFigures &b) {
        return std::tie(a.login, a.userCode) < std::tie(b.login, b.userCode);
    });
    std::sort(overview.skipped.begin(), overview.skipped.end(),
              [](const SkippedFile &a, const SkippedFile &b) { return a.fileName < b.fileName; });
    overview.problems = problemFigures(records);
    overview.lectures = lectureFigures(overview.problems);
    promise.addResult(std::move(overview));
}

} // namespace

bool isProgressFileName(QByteArrayView name)
{
    return name.endsWith(kExtension);
}

QFuture<ClassOverview> readClassOverview(const QString &folder, ProgressFileReader read)
{
    return QtConcurrent::run(readFolder, folder, std::move(read));
}

} // namespace piyota::teacher
