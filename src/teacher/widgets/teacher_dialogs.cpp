// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher_dialogs.h"

#include "overview_title.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace piyota::teacher {

QString QtTeacherDialogs::chooseFolder(QWidget *parent, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("進み具合のフォルダを開く"), start);
}

QString QtTeacherDialogs::chooseFileToWrite(QWidget *parent, const QString &title, const QString &suggestedPath,
                                            const QString &filter, const QString &extension)
{
    QFileDialog dialog(parent, title, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(extension.mid(1)); // added before the dialog asks about replacing
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtTeacherDialogs::setUpPrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtTeacherDialogs::previewPrint(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *shown) { paint(*shown); });
    dialog.exec();
}

void QtTeacherDialogs::tell(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, overviewTitle(), text);
}

} // namespace piyota::teacher
