#pragma once

#include "progress_reader.h"
#include "problem_figures.h"
#include "student_figures.h"

#include <QList>
#include <QString>

namespace piyota::teacher {

// A file of the folder that was not read as a progress file, and why.
struct SkippedFile {
    QString fileName;
    ProgressFileRefusal reason = ProgressFileRefusal::Unreadable;
};

// What a folder of progress files says about the class.
struct ClassOverview {
    QString folder;
    bool folderReadable = true;          // false: the folder itself could not be listed
    QList<StudentFigures> students;      // in the order of their file names
    QList<ProblemFigures> problems;      // problems 1 to 30
    QList<SkippedFile> skipped;
};

} // namespace piyota::teacher
