// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace piyota {

bool QtDialogs::askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
        == QMessageBox::Yes;
}

QString QtDialogs::inputText(QWidget *parent, const QString &prompt, const QString &title)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal,
                                               QString(), &accepted);
    return accepted ? text : QString();
}

void QtDialogs::inform(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox::information(parent, title, text);
}

void QtDialogs::beep()
{
    QApplication::beep();
}

} // namespace piyota
