// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "teacher_window.h"

#include "class_report.h"
#include "overview_title.h"
#include "page_output.h"
#include "problem_chart.h"
#include "student_window.h"
#include "teacher_dialogs.h"

#include "csv.h"
#include "output_file.h"
#include "table_columns.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace piyota::teacher {

namespace {

enum Tab { StudentsTab, ProblemsTab, LecturesTab, SkippedTab };

} // namespace

TeacherWindow::TeacherWindow(TeacherDialogs &dialogs, ProgressFileReader reader, QWidget *parent)
    : QMainWindow(parent)
    , dialogs_(dialogs)
    , reader_(std::move(reader))
{
    setWindowTitle(overviewTitle());
    buildMenusAndToolBar();
    buildTabs();
    progressBar_ = new QProgressBar;
    progressBar_->setObjectName(QStringLiteral("readingProgress"));
    progressBar_->setAccessibleName(QStringLiteral("読み込みの進み具合"));
    progressBar_->setFormat(QStringLiteral("%v / %m"));
    progressBar_->hide();
    statusBar()->addPermanentWidget(progressBar_);
    setExportsEnabled(false);
    resize(1100, 760);
}

TeacherWindow::~TeacherWindow()
{
    stopReading();
}

QAction *TeacherWindow::makeAction(const QString &text, const QString &objectName, const QKeySequence &shortcut,
                                   void (TeacherWindow::*onTriggered)())
{
    auto *action = new QAction(text, this);
    action->setObjectName(objectName);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, onTriggered);
    return action;
}

void TeacherWindow::buildMenusAndToolBar()
{
    QAction *openFolder = makeAction(QStringLiteral("フォルダを開く"), QStringLiteral("openFolderAction"),
                                     QKeySequence::Open, &TeacherWindow::onOpenFolderTriggered);
    reloadAction_ = makeAction(QStringLiteral("読み直す"), QStringLiteral("reloadAction"), QKeySequence(Qt::Key_F5),
                               &TeacherWindow::onReloadTriggered);
    reloadAction_->setToolTip(QStringLiteral("フォルダを読み直します（並べ替えはそのまま）"));
    cancelAction_ = makeAction(QStringLiteral("読み込みを中止"), QStringLiteral("cancelAction"),
                               QKeySequence(Qt::Key_Escape), &TeacherWindow::onCancelTriggered);
    cancelAction_->setEnabled(false);
    QAction *csv = makeAction(QStringLiteral("CSV に書き出す"), QStringLiteral("exportCsvAction"),
                              QKeySequence(Qt::CTRL | Qt::Key_E), &TeacherWindow::onExportCsvTriggered);
    csv->setToolTip(QStringLiteral("表示している表を CSV ファイルに書き出します"));
    QAction *spreadsheet =
        makeAction(QStringLiteral("Excel に書き出す"), QStringLiteral("exportSpreadsheetAction"),
                   QKeySequence(Qt::CTRL | Qt::Key_L), &TeacherWindow::onExportSpreadsheetTriggered);
    spreadsheet->setToolTip(QStringLiteral("すべての表を .xlsx ファイルに書き出します（表ごとに一枚のシート）"));
    QAction *preview = makeAction(QStringLiteral("印刷プレビュー"), QStringLiteral("previewAction"),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &TeacherWindow::onPreviewTriggered);
    QAction *print = makeAction(QStringLiteral("印刷"), QStringLiteral("printAction"), QKeySequence::Print,
                                &TeacherWindow::onPrintTriggered);
    QAction *pdf = makeAction(QStringLiteral("PDF に書き出す"), QStringLiteral("exportPdfAction"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &TeacherWindow::onExportPdfTriggered);
    outputActions_ = {reloadAction_, csv, spreadsheet, preview, print, pdf};
    auto *quitAction = new QAction(QStringLiteral("終了"), this);
    quitAction->setShortcut(QKeySequence::Quit);
    connect(quitAction, &QAction::triggered, this, &QWidget::close);

    QAction *handout = new QAction(QStringLiteral("講義の配布資料..."), this);
    handout->setObjectName(QStringLiteral("lectureHandoutAction"));
    connect(handout, &QAction::triggered, this, [this] { onMaterialTriggered(TeachingMaterialDialog::Lecture); });
    QAction *worksheet = new QAction(QStringLiteral("問題プリント..."), this);
    worksheet->setObjectName(QStringLiteral("worksheetAction"));
    connect(worksheet, &QAction::triggered, this, [this] { onMaterialTriggered(TeachingMaterialDialog::Worksheet); });

    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("ファイル"));
    fileMenu->addActions({openFolder, reloadAction_, cancelAction_});
    fileMenu->addSeparator();
    fileMenu->addActions({csv, spreadsheet});
    fileMenu->addSeparator();
    fileMenu->addActions({preview, print, pdf});
    fileMenu->addSeparator();
    fileMenu->addAction(quitAction);
    QMenu *materialMenu = menuBar()->addMenu(QStringLiteral("教材を印刷"));
    materialMenu->setObjectName(QStringLiteral("materialMenu"));
    materialMenu->addActions({handout, worksheet});

    QToolBar *toolBar = addToolBar(QStringLiteral("操作"));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar->addActions({openFolder, reloadAction_, cancelAction_, csv, spreadsheet, preview, print, pdf});
}

QTableView *TeacherWindow::addTable(QAbstractItemModel *model, QSortFilterProxyModel *&proxy, const QString &name)
{
    proxy = new QSortFilterProxyModel(this);
    proxy->setSourceModel(model);
    proxy->setSortRole(kSortRole);
    auto *view = new QTableView;
    view->setAccessibleName(name);
    view->setModel(proxy);
    view->setSortingEnabled(true);
    view->sortByColumn(0, Qt::AscendingOrder);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setTabKeyNavigation(false); // Tab leaves the table, Ctrl+Tab goes to the next tab
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

void TeacherWindow::buildTabs()
{
    folderLabel_ = new QLabel(QStringLiteral("進み具合のファイル（.ucd）のあるフォルダを開いてください。"));
    folderLabel_->setObjectName(QStringLiteral("folderLabel"));
    folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    chartView_ = new QChartView;
    chartView_->setObjectName(QStringLiteral("problemChart"));
    chartView_->setAccessibleName(QStringLiteral("問題ごとのグラフ"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumHeight(260);
    auto *problemsSplitter = new QSplitter(Qt::Vertical);
    problemsSplitter->addWidget(addTable(&tables_.problems, problemsShown_, kProblemsTitle));
    problemsSplitter->addWidget(chartView_);
    problemsSplitter->setSizes({360, 340});

    QTableView *students = addTable(&tables_.students, studentsShown_, kStudentsTitle);
    connect(students, &QAbstractItemView::activated, this, &TeacherWindow::onStudentActivated);
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->insertTab(StudentsTab, students, kStudentsTitle);
    tabs_->insertTab(ProblemsTab, problemsSplitter, kProblemsTitle);
    tabs_->insertTab(LecturesTab, addTable(&tables_.lectures, lecturesShown_, kLecturesTitle), kLecturesTitle);
    tabs_->insertTab(SkippedTab, addTable(&tables_.skipped, skippedShown_, kSkippedTitle), kSkippedTitle);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(folderLabel_);
    layout->addWidget(tabs_);
    setCentralWidget(central);
    students->setFocus(); // the arrows and Enter work on the students at once
}

void TeacherWindow::openFolder(const QString &folder)
{
    stopReading();
    reading_ = new QFutureWatcher<ClassOverview>(this);
    connect(reading_, &QFutureWatcherBase::progressRangeChanged, progressBar_, &QProgressBar::setRange);
    connect(reading_, &QFutureWatcherBase::progressValueChanged, progressBar_, &QProgressBar::setValue);
    connect(reading_, &QFutureWatcherBase::finished, this, &TeacherWindow::onReadingFinished);
    progressBar_->setRange(0, 0); // busy until the files are counted
    progressBar_->show();
    cancelAction_->setEnabled(true);
    statusBar()->showMessage(QStringLiteral("読み込み中：%1").arg(QDir::toNativeSeparators(folder)));
    reading_->setFuture(readClassOverview(folder, reader_));
}

// Lets go of the reading, cancelled if it is still under way: it then goes
// on until it looks at its next file, with nothing listening any more.
void TeacherWindow::stopReading()
{
    if (!reading_)
        return;
    reading_->disconnect(this);
    reading_->cancel();
    reading_->deleteLater();
    reading_ = nullptr;
    progressBar_->hide();
    cancelAction_->setEnabled(false);
}

void TeacherWindow::onReadingFinished()
{
    const QFuture<ClassOverview> finished = reading_->future();
    stopReading();
    statusBar()->clearMessage();
    if (finished.resultCount() > 0)
        showOverview(finished.result());
}

// The tables keep the order they are sorted in: their sorted views sort a
// table read again as they sorted it before.
void TeacherWindow::showOverview(const ClassOverview &overview)
{
    overview_ = overview;
    tables_.show(overview);

    std::unique_ptr<QChart> previousChart(chartView_->chart()); // the view gives it up
    chartView_->setChart(problemChart(overview.problems, font()).release());
    chartView_->setAccessibleDescription(problemChartDescription(overview.problems));

    const QString folder = QDir::toNativeSeparators(overview.folder);
    folderLabel_->setText(overview.folderReadable
                              ? QStringLiteral("フォルダ：%1　　生徒 %2 人　　読めなかったファイル %3 件")
                                    .arg(folder)
                                    .arg(overview.students.size())
                                    .arg(overview.skipped.size())
                              : QStringLiteral("フォルダを読めませんでした：%1").arg(folder));
    tabs_->setTabText(SkippedTab, QStringLiteral("%1（%2）").arg(kSkippedTitle).arg(overview.skipped.size()));
    for (QTableView *view : findChildren<QTableView *>())
        view->resizeColumnsToContents();
    setExportsEnabled(true);
    Q_EMIT overviewShown();
}

void TeacherWindow::setExportsEnabled(bool enabled)
{
    for (QAction *action : std::as_const(outputActions_))
        action->setEnabled(enabled);
}

void TeacherWindow::onOpenFolderTriggered()
{
    const QString start = overview_.folder.isEmpty() ? QDir::homePath() : overview_.folder;
    const QString folder = dialogs_.chooseFolder(this, start);
    if (!folder.isEmpty())
        openFolder(folder);
}

void TeacherWindow::onReloadTriggered()
{
    if (!overview_.folder.isEmpty())
        openFolder(overview_.folder);
}

void TeacherWindow::onCancelTriggered()
{
    stopReading();
    statusBar()->showMessage(QStringLiteral("読み込みを中止しました"));
}

void TeacherWindow::onStudentActivated(const QModelIndex &shown)
{
    const QModelIndex row = studentsShown_->mapToSource(shown);
    if (row.isValid())
        (new StudentWindow(tables_.students.rows().at(row.row()), this))->show();
}

void TeacherWindow::exportFile(const QString &title, const QString &name, const QString &extension,
                               const std::function<std::optional<QByteArray>()> &bytes)
{
    const QString suggested = QStringLiteral("%1_%2%3").arg(QFileInfo(overview_.folder).fileName(), name, extension);
    writeChosenFile(dialogs_, this, title, suggestedDocumentPath(suggested), extension, bytes);
}

void TeacherWindow::onExportCsvTriggered()
{
    static const QList<QString> titles{kStudentsTitle, kProblemsTitle, kLecturesTitle, kSkippedTitle};
    const QList<const QAbstractItemModel *> tables{studentsShown_, problemsShown_, lecturesShown_, skippedShown_};
    const int tab = tabs_->currentIndex();
    exportFile(QStringLiteral("「%1」の表を CSV に書き出す").arg(titles[tab]), titles[tab], QStringLiteral(".csv"),
               [&] { return std::optional(csvOf(*tables[tab])); });
}

void TeacherWindow::onExportSpreadsheetTriggered()
{
    exportFile(QStringLiteral("Excel（.xlsx）に書き出す"), QStringLiteral("クラスの結果"), QStringLiteral(".xlsx"),
               [this] { return classReportSpreadsheet(reportContents()); });
}

ReportContents TeacherWindow::reportContents() const
{
    return {overview_.folder, QDateTime::currentDateTime(), studentsShown_, problemsShown_, lecturesShown_,
            skippedShown_, overview_.problems};
}

void TeacherWindow::onPreviewTriggered()
{
    const ReportContents contents = reportContents();
    previewPages(dialogs_, this, [&contents](QPagedPaintDevice &shown) { return printClassReport(shown, contents); });
}

void TeacherWindow::onPrintTriggered()
{
    const ReportContents contents = reportContents();
    printPages(dialogs_, this, overviewTitle(),
               [&contents](QPagedPaintDevice &printer) { return printClassReport(printer, contents); });
}

void TeacherWindow::onMaterialTriggered(TeachingMaterialDialog::Choice choice)
{
    TeachingMaterialDialog dialog(dialogs_, choice, this);
    dialog.exec();
}

void TeacherWindow::onExportPdfTriggered()
{
    exportFile(QStringLiteral("PDF に書き出す"), QStringLiteral("クラスの結果"), QStringLiteral(".pdf"),
               [this] { return std::optional(classReportPdf(reportContents())); });
}

} // namespace piyota::teacher
