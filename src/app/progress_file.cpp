#include "progress_file.h"

#include "course_state.h"
#include "progress_format.h"

#include <QFile>
#include <QSaveFile>

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

QString ProgressFile::pathFor(const QString &userCode) const
{
    return directory_.filePath(userCode + QStringLiteral(".ucd"));
}

bool ProgressFile::saveProgress(const CourseState &state) const
{
    if (!isUsableCode(state.userCode))
        return false;
    QSaveFile file(pathFor(state.userCode));
    // Unbuffered: a buffered write whose flush fails (a full disk) would
    // still be committed by QSaveFile as if it had succeeded.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray text = formatProgress(ProgressRecord::of(state));
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool ProgressFile::loadProgress(CourseState &state) const
{
    if (!isUsableCode(state.userCode))
        return false;
    QFile file(pathFor(state.userCode));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const auto record = parseProgress(file.readAll());
    if (!record)
        return false;
    record->applyTo(state);
    return true;
}

} // namespace piyota
