#include "class_folder.h"

#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

namespace piyota::teacher {

namespace {

const QString kExtension = QStringLiteral(".ucd");

void readFolder(QPromise<ClassOverview> &promise, const QString &folderPath, const ProgressFileReader &read)
{
    const QDir folder(folderPath);
    ClassOverview overview;
    overview.folder = folderPath;
    overview.folderReadable = folder.exists() && folder.isReadable();
    const QStringList names = overview.folderReadable ? progressFileNames(folder) : QStringList();

    promise.setProgressRange(0, int(names.size()));
    QList<ProgressRecord> records;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (promise.isCanceled())
            return;
        const ProgressFileRead result = read(folder, names[i]);
        if (const auto *record = std::get_if<ProgressRecord>(&result)) {
            records.append(*record);
            overview.students.append(studentFigures(userCodeOf(names[i]), *record));
        } else {
            overview.skipped.append({names[i], std::get<ProgressFileRefusal>(result)});
        }
        promise.setProgressValue(int(i + 1));
    }
    overview.problems = problemFigures(records);
    promise.addResult(std::move(overview));
}

} // namespace

QStringList progressFileNames(const QDir &folder)
{
    // System takes in FIFOs, sockets, devices and dangling links: they are
    // listed as skipped rather than passed over in silence.
    return folder.entryList({QLatin1Char('*') + kExtension},
                            QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                            QDir::Name);
}

QString userCodeOf(const QString &fileName)
{
    return fileName.endsWith(kExtension, Qt::CaseInsensitive) ? fileName.chopped(kExtension.size()) : fileName;
}

QFuture<ClassOverview> readClassOverview(const QString &folder, ProgressFileReader read)
{
    return QtConcurrent::run(readFolder, folder, std::move(read));
}

} // namespace piyota::teacher
