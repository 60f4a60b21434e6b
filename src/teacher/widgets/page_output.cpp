// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_output.h"

#include "output_file.h"
#include "printed_document.h"
#include "teacher_dialogs.h"

#include <QDir>
#include <QPrinter>
#include <QStandardPaths>

namespace piyota::teacher {

void writeChosenFile(TeacherDialogs &dialogs, QWidget *parent, const QString &title, const QString &suggestedPath,
                     const QString &extension, const std::function<std::optional<QByteArray>()> &bytes)
{
    const QString path = dialogs.chooseFileToWrite(
        parent, title, suggestedPath, QStringLiteral("%1 (*%2)").arg(extension.mid(1).toUpper(), extension), extension);
    if (path.isEmpty())
        return;
    if (!hasExtension(path, extension)) {
        dialogs.tell(parent, QStringLiteral("%1 には書き出しません。名前は %2 で終わるようにしてください。")
                                 .arg(QDir::toNativeSeparators(path), extension));
        return;
    }
    const std::optional<QByteArray> written = bytes();
    if (!written || !writeWholeFile(path, *written))
        dialogs.tell(parent, QStringLiteral("%1 に書き出せませんでした。").arg(QDir::toNativeSeparators(path)));
}

void previewPages(TeacherDialogs &dialogs, QWidget *parent, const std::function<bool(QPagedPaintDevice &)> &print)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(a4PageLayout());
    dialogs.previewPrint(parent, printer, [&print](QPrinter &shown) { print(shown); });
}

void printPages(TeacherDialogs &dialogs, QWidget *parent, const QString &documentName,
                const std::function<bool(QPagedPaintDevice &)> &print)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageLayout(a4PageLayout());
    if (!dialogs.setUpPrinter(parent, printer))
        return;
    if (!print(printer) || printer.printerState() == QPrinter::Error)
        dialogs.tell(parent, QStringLiteral("印刷できませんでした。"));
}

QString suggestedDocumentPath(const QString &name)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name);
}

} // namespace piyota::teacher
