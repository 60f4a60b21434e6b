// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "class_folder.h"
#include "class_tables.h"
#include "teaching_material_dialog.h"

#include <QFutureWatcher>
#include <QMainWindow>

class QAction;
class QKeySequence;
class QLabel;
class QModelIndex;
class QProgressBar;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace piyota::teacher {

struct ReportContents;
class TeacherDialogs;

// The class overview: opens a folder of progress files read-only, reads it
// off the interface thread with a progress bar, and shows a table of the
// students, a table and a chart of the problems, a table of the lectures'
// topics, and the files it could not read. The tables sort by any column;
// the folder can be read again (F5) keeping the sort; a student's row opens
// the student's 30 problems (double click or Enter). The table shown can be
// written to CSV, all of them to a spreadsheet, and the report printed,
// previewed or written to PDF. Its 教材を印刷 menu prints the lectures and
// the problems for the class, with no folder needed.
class TeacherWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit TeacherWindow(TeacherDialogs &dialogs, ProgressFileReader reader = readProgressFileAt,
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
    void onReloadTriggered();
    void onCancelTriggered();
    void onExportCsvTriggered();
    void onExportSpreadsheetTriggered();
    void onPreviewTriggered();
    void onPrintTriggered();
    void onExportPdfTriggered();
    void onStudentActivated(const QModelIndex &shown);
    void onMaterialTriggered(TeachingMaterialDialog::Choice choice);

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
    ReportContents reportContents() const;
    // Asks for the file to write, named after the folder, and writes what
    // `bytes` gives (writeChosenFile()).
    void exportFile(const QString &title, const QString &name, const QString &extension,
                    const std::function<std::optional<QByteArray>()> &bytes);

    TeacherDialogs &dialogs_;
    ProgressFileReader reader_;
    QFutureWatcher<ClassOverview> *reading_ = nullptr; // while a folder is read
    ClassOverview overview_;                           // the overview on the screen

    ClassTables tables_;
    QSortFilterProxyModel *studentsShown_ = nullptr;
    QSortFilterProxyModel *problemsShown_ = nullptr;
    QSortFilterProxyModel *lecturesShown_ = nullptr;
    QSortFilterProxyModel *skippedShown_ = nullptr;

    QLabel *folderLabel_ = nullptr;
    QTabWidget *tabs_ = nullptr;
    QChartView *chartView_ = nullptr;
    QProgressBar *progressBar_ = nullptr;
    QAction *reloadAction_ = nullptr;
    QAction *cancelAction_ = nullptr;
    QList<QAction *> outputActions_;
};

} // namespace piyota::teacher
