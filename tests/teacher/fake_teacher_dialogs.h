// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "teacher_dialogs.h"

#include <QFileInfo>
#include <QPrinter>
#include <QStringList>

namespace piyota::testing {

// Answers the overview's dialogs from a script and records the messages.
class FakeTeacherDialogs final : public teacher::TeacherDialogs {
public:
    QString chooseFolder(QWidget *, const QString &) override { return folder; }
    // As the real dialog does, a name without the extension gets it.
    QString chooseFileToWrite(QWidget *, const QString &title, const QString &, const QString &,
                              const QString &extension) override
    {
        fileTitles.append(title);
        return fileToWrite.isEmpty() || !QFileInfo(fileToWrite).suffix().isEmpty() ? fileToWrite : fileToWrite + extension;
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
    // The preview is painted on a printer that writes a PDF file.
    void previewPrint(QWidget *, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(previewPdf);
        paint(printer);
    }
    void tell(QWidget *, const QString &text) override { told.append(text); }

    QString folder;     // the folder chosen; empty: cancelled
    QString fileToWrite; // the file chosen; empty: cancelled
    QString printedPdf; // where printing goes; empty: cancelled
    QString previewPdf; // where the preview's pages go
    QStringList fileTitles;
    QStringList told;
};

} // namespace piyota::testing
