#pragma once

#include <QString>

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
    // ("CSV (*.csv)"); empty when cancelled.
    virtual QString chooseFileToWrite(QWidget *parent, const QString &title, const QString &suggestedPath,
                                      const QString &filter) = 0;
    // The printer and its settings; false when cancelled.
    virtual bool setUpPrinter(QWidget *parent, QPrinter &printer) = 0;
    // A message with an OK button.
    virtual void tell(QWidget *parent, const QString &text) = 0;
};

class QtTeacherDialogs final : public TeacherDialogs {
public:
    QString chooseFolder(QWidget *parent, const QString &start) override;
    QString chooseFileToWrite(QWidget *parent, const QString &title, const QString &suggestedPath,
                              const QString &filter) override;
    bool setUpPrinter(QWidget *parent, QPrinter &printer) override;
    void tell(QWidget *parent, const QString &text) override;
};

} // namespace piyota::teacher
