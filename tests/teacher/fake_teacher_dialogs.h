#pragma once

#include "teacher_dialogs.h"

#include <QPrinter>
#include <QStringList>

namespace piyota::testing {

// Answers the overview's dialogs from a script and records the messages.
class FakeTeacherDialogs final : public teacher::TeacherDialogs {
public:
    QString chooseFolder(QWidget *, const QString &) override { return folder; }
    QString chooseFileToWrite(QWidget *, const QString &title, const QString &, const QString &) override
    {
        fileTitles.append(title);
        return fileToWrite;
    }
    // The "printer" chosen writes a PDF file.
    bool setUpPrinter(QWidget *, QPrinter &printer) override
    {
        if (printedPdf.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printedPdf);
        return true;
    }
    void tell(QWidget *, const QString &text) override { told.append(text); }

    QString folder;     // the folder chosen; empty: cancelled
    QString fileToWrite; // the file chosen; empty: cancelled
    QString printedPdf; // where printing goes; empty: cancelled
    QStringList fileTitles;
    QStringList told;
};

} // namespace piyota::testing
