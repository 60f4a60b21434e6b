#include "teacher_window.h"

#include "class_report.h"
#include "problem_chart.h"
#include "teacher_dialogs.h"
#include "overview_title.h"

#include "csv.h"
#include "problem_table_model.h"
#include "skipped_files_model.h"
#include "student_table_model.h"
#include "table_columns.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QProgressBar>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

namespace piyota::teacher {

namespace {

enum Tab { StudentsTab, ProblemsTab, SkippedTab };

const QString kStudentsTitle = QStringLiteral("生徒ごと");
const QString kProblemsTitle = QStringLiteral("問題ごと");
const QString kSkippedTitle = QStringLiteral("読めなかったファイル");
// The chart as printed: twice its width on the page, so that its lines stay
// sharp and its text about as large as the tables'.
constexpr QSize kPrintedChartSize(2 * kReportChartWidth, kReportChartWidth);

} // namespace

TeacherWindow::TeacherWindow(TeacherDialogs &dialogs, ProgressFileReader reader, QWidget *parent)
    : QMainWindow(parent)
    , dialogs_(dialogs)
    , reader_(std::move(reader))
    , students_(new StudentTableModel(this))
    , problems_(new ProblemTableModel(this))
    , skipped_(new SkippedFilesModel(this))
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
    resize(1000, 760);
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
    openFolderAction_ = makeAction(QStringLiteral("フォルダを開く"), QStringLiteral("openFolderAction"),
                                   QKeySequence::Open, &TeacherWindow::onOpenFolderTriggered);
    cancelAction_ = makeAction(QStringLiteral("読み込みを中止"), QStringLiteral("cancelAction"),
                               QKeySequence(Qt::Key_Escape), &TeacherWindow::onCancelTriggered);
    cancelAction_->setEnabled(false);
    exportCsvAction_ = makeAction(QStringLiteral("CSV に書き出す"), QStringLiteral("exportCsvAction"),
                                  QKeySequence(Qt::CTRL | Qt::Key_E), &TeacherWindow::onExportCsvTriggered);
    exportCsvAction_->setToolTip(QStringLiteral("表示している表を CSV ファイルに書き出します"));
    printAction_ = makeAction(QStringLiteral("印刷"), QStringLiteral("printAction"), QKeySequence::Print,
                              &TeacherWindow::onPrintTriggered);
    exportPdfAction_ = makeAction(QStringLiteral("PDF に書き出す"), QStringLiteral("exportPdfAction"),
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), &TeacherWindow::onExportPdfTriggered);
    auto *quitAction = new QAction(QStringLiteral("終了"), this);
    quitAction->setShortcut(QKeySequence::Quit);
    connect(quitAction, &QAction::triggered, this, &QWidget::close);

    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("ファイル"));
    fileMenu->addActions({openFolderAction_, cancelAction_});
    fileMenu->addSeparator();
    fileMenu->addActions({exportCsvAction_, printAction_, exportPdfAction_});
    fileMenu->addSeparator();
    fileMenu->addAction(quitAction);

    QToolBar *toolBar = addToolBar(QStringLiteral("操作"));
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar->addActions({openFolderAction_, cancelAction_, exportCsvAction_, printAction_, exportPdfAction_});
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
    problemsSplitter->addWidget(addTable(problems_, problemsShown_, kProblemsTitle));
    problemsSplitter->addWidget(chartView_);
    problemsSplitter->setSizes({360, 340});

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->insertTab(StudentsTab, addTable(students_, studentsShown_, kStudentsTitle), kStudentsTitle);
    tabs_->insertTab(ProblemsTab, problemsSplitter, kProblemsTitle);
    tabs_->insertTab(SkippedTab, addTable(skipped_, skippedShown_, kSkippedTitle), kSkippedTitle);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(folderLabel_);
    layout->addWidget(tabs_);
    setCentralWidget(central);
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

void TeacherWindow::showOverview(const ClassOverview &overview)
{
    overview_ = overview;
    students_->setStudents(overview.students);
    problems_->setProblems(overview.problems);
    skipped_->setSkipped(overview.skipped);

    std::unique_ptr<QChart> previousChart(chartView_->chart()); // the view gives it up
    chartView_->setChart(problemChart(overview.problems).release());
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
    exportCsvAction_->setEnabled(enabled);
    printAction_->setEnabled(enabled);
    exportPdfAction_->setEnabled(enabled);
}

void TeacherWindow::onOpenFolderTriggered()
{
    const QString start = overview_.folder.isEmpty() ? QDir::homePath() : overview_.folder;
    const QString folder = dialogs_.chooseFolder(this, start);
    if (!folder.isEmpty())
        openFolder(folder);
}

void TeacherWindow::onCancelTriggered()
{
    stopReading();
    statusBar()->showMessage(QStringLiteral("読み込みを中止しました"));
}

// Asks where to write, suggesting the folder's name and `name` in the
// teacher's documents; the file gets `suffix` if the name chosen lacks it,
// so that no choice ever names a progress file.
QString TeacherWindow::chooseFileToWrite(const QString &title, const QString &name, const QString &suffix)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QStringLiteral("%1_%2.%3").arg(QFileInfo(overview_.folder).fileName(), name, suffix);
    QString path = dialogs_.chooseFileToWrite(this, title, QDir(documents).filePath(suggested),
                                              QStringLiteral("%1 (*.%2)").arg(suffix.toUpper(), suffix));
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        path += QLatin1Char('.') + suffix;
    return path;
}

void TeacherWindow::onExportCsvTriggered()
{
    static const QList<QString> titles{kStudentsTitle, kProblemsTitle, kSkippedTitle};
    const QList<const QAbstractItemModel *> tables{studentsShown_, problemsShown_, skippedShown_};
    const int tab = tabs_->currentIndex();
    const QString path = chooseFileToWrite(QStringLiteral("「%1」の表を CSV に書き出す").arg(titles[tab]),
                                           titles[tab], QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csvOf(*tables[tab])) < 0 || !file.commit())
        dialogs_.tell(this, QStringLiteral("%1 に書き出せませんでした。").arg(QDir::toNativeSeparators(path)));
}

std::unique_ptr<QTextDocument> TeacherWindow::report() const
{
    return classReport({QDir::toNativeSeparators(overview_.folder), studentsShown_, problemsShown_, skippedShown_,
                        problemChartImage(overview_.problems, kPrintedChartSize)});
}

void TeacherWindow::onPrintTriggered()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(overviewTitle());
    if (!dialogs_.setUpPrinter(this, printer))
        return;
    report()->print(&printer);
    if (printer.printerState() == QPrinter::Error)
        dialogs_.tell(this, QStringLiteral("印刷できませんでした。"));
}

void TeacherWindow::onExportPdfTriggered()
{
    const QString path = chooseFileToWrite(QStringLiteral("PDF に書き出す"), QStringLiteral("クラスの結果"),
                                           QStringLiteral("pdf"));
    if (!path.isEmpty() && !writeReportPdf(*report(), path))
        dialogs_.tell(this, QStringLiteral("%1 に書き出せませんでした。").arg(QDir::toNativeSeparators(path)));
}

} // namespace piyota::teacher
