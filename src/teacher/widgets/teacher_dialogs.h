// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace piyota::teacher {

// The modal dialogs of the teachers' overview.
class TeacherDialogs {
public:
    virtual ~TeacherDialogs() = default;
    // A folder to read, the choice starting at `start`; empty when cancelled.
    virtual QString chooseFolder(QWidget *parent, const QString &start) = 0;
    // A file to write, suggested as `suggestedPath`, of the kind `filter`
    // ("CSV (*.csv)"); a name typed without an extension gets `extension`
    // (".csv") before the dialog asks whether to replace the file so named.
    // Empty when cancelled.
    virtual QString chooseFileToWrite(QWidget *parent, const QString &title, const QString &suggestedPath,
                                      const QString &filter, const QString &extension) = 0;
    // The printer and its settings; false when cancelled.
    virtual bool setUpPrinter(QWidget *parent, QPrinter &printer) = 0;
    // The pages as they will print, painted by `paint` on the printer it is given.
    virtual void previewPrint(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) = 0;
    // A message with an OK button.
    virtual void tell(QWidget *parent, const QString &text) = 0;
};

class QtTeacherDialogs final : public TeacherDialogs {
public:
    QString chooseFolder(QWidget *parent, const QString &start) override;
    QString chooseFileToWrite(QWidget *parent, const QString &title, const QString &suggestedPath,
                              const QString &filter, const QString &extension) override;
    bool setUpPrinter(QWidget *parent, QPrinter &printer) override;
    void previewPrint(QWidget *parent, QPrinter &printer, const std::function<void(QPrinter &)> &paint) override;
    void tell(QWidget *parent, const QString &text) override;
};

} // namespace piyota::teacher
