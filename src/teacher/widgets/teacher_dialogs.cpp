#include "teacher_dialogs.h"

#include "overview_title.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace piyota::teacher {

QString QtTeacherDialogs::chooseFolder(QWidget *parent, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("進み具合のフォルダを開く"), start);
}

QString QtTeacherDialogs::chooseFileToWrite(QWidget *parent, const QString &title, const QString &suggestedPath,
                                            const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

bool QtTeacherDialogs::setUpPrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtTeacherDialogs::tell(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, overviewTitle(), text);
}

} // namespace piyota::teacher
