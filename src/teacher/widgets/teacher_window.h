#pragma once

#include "class_folder.h"

#include <QFutureWatcher>
#include <QMainWindow>

#include <memory>

class QAbstractItemModel;
class QAction;
class QKeySequence;
class QLabel;
class QProgressBar;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QTextDocument;

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace piyota::teacher {

class ProblemTableModel;
class SkippedFilesModel;
class StudentTableModel;
class TeacherDialogs;

// The class overview: opens a folder of progress files read-only, reads it
// off the interface thread with a progress bar, and shows a table of the
// students, a table and a chart of the problems, and the files it could not
// read. The tables sort by any column; the table shown can be written to CSV,
// and everything printed or written to PDF.
class TeacherWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit TeacherWindow(TeacherDialogs &dialogs, ProgressFileReader reader = readProgressFile,
                           QWidget *parent = nullptr);
    ~TeacherWindow() override;

    // Starts reading `folder`; a reading still under way is cancelled.
    void openFolder(const QString &folder);
    bool isReading() const { return reading_ != nullptr; }
    const ClassOverview &overview() const { return overview_; }

Q_SIGNALS:
    // A folder's overview is on the screen.
    void overviewShown();

private Q_SLOTS:
    void onOpenFolderTriggered();
    void onCancelTriggered();
    void onExportCsvTriggered();
    void onPrintTriggered();
    void onExportPdfTriggered();

private:
    QAction *makeAction(const QString &text, const QString &objectName, const QKeySequence &shortcut,
                        void (TeacherWindow::*onTriggered)());
    QTableView *addTable(QAbstractItemModel *model, QSortFilterProxyModel *&proxy, const QString &name);
    void buildMenusAndToolBar();
    void buildTabs();
    void stopReading();
    void onReadingFinished();
    void showOverview(const ClassOverview &overview);
    void setExportsEnabled(bool enabled);
    std::unique_ptr<QTextDocument> report() const;
    QString chooseFileToWrite(const QString &title, const QString &name, const QString &suffix);

    TeacherDialogs &dialogs_;
    ProgressFileReader reader_;
    QFutureWatcher<ClassOverview> *reading_ = nullptr; // while a folder is read
    ClassOverview overview_;                           // the overview on the screen

    StudentTableModel *students_ = nullptr;
    ProblemTableModel *problems_ = nullptr;
    SkippedFilesModel *skipped_ = nullptr;
    QSortFilterProxyModel *studentsShown_ = nullptr;
    QSortFilterProxyModel *problemsShown_ = nullptr;
    QSortFilterProxyModel *skippedShown_ = nullptr;

    QLabel *folderLabel_ = nullptr;
    QTabWidget *tabs_ = nullptr;
    QChartView *chartView_ = nullptr;
    QProgressBar *progressBar_ = nullptr;
    QAction *openFolderAction_ = nullptr;
    QAction *cancelAction_ = nullptr;
    QAction *exportCsvAction_ = nullptr;
    QAction *printAction_ = nullptr;
    QAction *exportPdfAction_ = nullptr;
};

} // namespace piyota::teacher
