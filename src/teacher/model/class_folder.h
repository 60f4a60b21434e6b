#pragma once

#include "progress_reader.h"
#include "class_overview.h"

#include <QDir>
#include <QFuture>
#include <QString>
#include <QStringList>

#include <functional>

namespace piyota::teacher {

// Reads one progress file of a folder; readProgressFile() but in tests.
using ProgressFileReader = std::function<ProgressFileRead(const QDir &folder, const QString &fileName)>;

// The entries of `folder` named like progress files ("<code>.ucd", the
// extension in any case), whatever they are, sorted by name.
QStringList progressFileNames(const QDir &folder);

// The user code a progress file is named after: its name without ".ucd".
QString userCodeOf(const QString &fileName);

// Reads the folder's progress files into an overview of the class, on a
// thread of the global pool: the files only ever read, each through `read`,
// a file that cannot be read listed with the reason. Reports its progress
// as files read out of the files found, and stops at the next file once
// cancelled, with no result.
QFuture<ClassOverview> readClassOverview(const QString &folder, ProgressFileReader read = readProgressFile);

} // namespace piyota::teacher
