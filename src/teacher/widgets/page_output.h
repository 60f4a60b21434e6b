// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;
class QWidget;

namespace piyota::teacher {

class TeacherDialogs;

// What the overview's outputs do with its dialogs, for the class report and
// the teaching material alike.

// Asks for the file to write, suggested as `suggestedPath`, and writes what
// `bytes` gives as exactly that file: one named without the extension got
// it from the dialog before it asked, and one named with another extension
// (a progress file's) is refused, never renamed. Tells the teacher when it
// could not be written.
void writeChosenFile(TeacherDialogs &dialogs, QWidget *parent, const QString &title, const QString &suggestedPath,
                     const QString &extension, const std::function<std::optional<QByteArray>()> &bytes);

// The pages that `print` paints on an A4 printer, as they will print.
void previewPages(TeacherDialogs &dialogs, QWidget *parent,
                  const std::function<bool(QPagedPaintDevice &)> &print);

// Asks for the printer and prints the pages that `print` paints, telling
// the teacher when they could not be printed.
void printPages(TeacherDialogs &dialogs, QWidget *parent, const QString &documentName,
                const std::function<bool(QPagedPaintDevice &)> &print);

// Where a file written for the teacher is first suggested: `name` in the
// documents folder.
QString suggestedDocumentPath(const QString &name);

} // namespace piyota::teacher
