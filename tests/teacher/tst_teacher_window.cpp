// The overview's window, headless: opening a folder, the tables and chart
// it shows, CSV, printing and PDF, and staying in the teacher's hands while
// a slow folder is read.

#include "class_folders.h"
#include "fake_teacher_dialogs.h"
#include "held_reader.h"

#include "problem_table_model.h"
#include "class_report.h"
#include "teacher_window.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QThreadPool>

#include <optional>

using namespace piyota;
using namespace piyota::teacher;
using namespace piyota::testing;
using namespace Qt::StringLiterals;

namespace {

QAction *action(const TeacherWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

QTableView *tableNamed(const TeacherWindow &window, const QString &accessibleName)
{
    for (QTableView *view : window.findChildren<QTableView *>()) {
        if (view->accessibleName() == accessibleName)
            return view;
    }
    return nullptr;
}

QString folderText(const TeacherWindow &window)
{
    return window.findChild<QLabel *>(u"folderLabel"_s)->text();
}

} // namespace

class TeacherWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        folder_.emplace();
        out_.emplace();
        QVERIFY(folder_->isValid() && out_->isValid());
        QVERIFY(writeClass(QDir(folder_->path())));
        QVERIFY(writeBytes(folder_->filePath(u"broken.ucd"_s), "no numbers"));
        dialogs_ = FakeTeacherDialogs();
    }

    void cleanup() { QThreadPool::globalInstance()->waitForDone(); }

    void showsTheFolderChosen()
    {
        TeacherWindow window(dialogs_);
        QCOMPARE(window.windowTitle(), u"ぴよたの研修旅行 先生用"_s);
        QVERIFY(!action(window, u"exportCsvAction"_s)->isEnabled());
        dialogs_.folder = folder_->path();
        QSignalSpy shown(&window, &TeacherWindow::overviewShown);
        action(window, u"openFolderAction"_s)->trigger();
        QVERIFY(shown.wait());

        QCOMPARE(folderText(window), u"フォルダ：%1　　生徒 5 人　　読めなかったファイル 1 件"_s.arg(folder_->path()));
        QCOMPARE(tableNamed(window, u"生徒ごと"_s)->model()->rowCount(), 5);
        QCOMPARE(tableNamed(window, u"問題ごと"_s)->model()->rowCount(), 30);
        QCOMPARE(tableNamed(window, u"読めなかったファイル"_s)->model()->rowCount(), 1);
        QCOMPARE(window.findChild<QTabWidget *>(u"tabs"_s)->tabText(2), u"読めなかったファイル（1）"_s);
        auto *chart = window.findChild<QChartView *>(u"problemChart"_s);
        QCOMPARE(chart->chart()->series().size(), 2);
        QVERIFY(chart->accessibleDescription().startsWith(u"問題1：間違いの平均 0.8回、時間の中央値 21秒"_s));
        QVERIFY(action(window, u"exportCsvAction"_s)->isEnabled());
        QVERIFY(!window.findChild<QProgressBar *>(u"readingProgress"_s)->isVisibleTo(&window));
    }

    void writesTheTableShownAsCsv()
    {
        TeacherWindow window(dialogs_);
        openAndWait(window, folder_->path());
        window.findChild<QTabWidget *>(u"tabs"_s)->setCurrentIndex(1);
        // A name without its extension gets it, so that no choice overwrites a progress file.
        dialogs_.fileToWrite = folder_->filePath(u"ayaka.ucd"_s);
        const QByteArray progressBefore = readBytes(dialogs_.fileToWrite);
        action(window, u"exportCsvAction"_s)->trigger();
        QCOMPARE(dialogs_.fileTitles, QStringList({u"「問題ごと」の表を CSV に書き出す"_s}));
        QCOMPARE(readBytes(dialogs_.fileToWrite), progressBefore);
        const QByteArray csv = readBytes(dialogs_.fileToWrite + u".csv"_s);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF問題,到達した人数,解き終えた人数,間違いの合計,間違いの平均,"
                               "時間の中央値（秒）,要注意\r\n1,5,4,4,0.8,21,\r\n2,4,4,8,2,22,★\r\n"));
        QCOMPARE(csv.count("\r\n"), 31);
        QVERIFY(dialogs_.told.isEmpty());
    }

    void saysWhenAFileCannotBeWritten()
    {
        TeacherWindow window(dialogs_);
        openAndWait(window, folder_->path());
        dialogs_.fileToWrite = out_->filePath(u"no such folder/students.csv"_s);
        action(window, u"exportCsvAction"_s)->trigger();
        QCOMPARE(dialogs_.told.size(), 1);
        QVERIFY(dialogs_.told[0].contains(u"書き出せませんでした"_s));
        dialogs_.fileToWrite = out_->filePath(u"no such folder/report.pdf"_s);
        action(window, u"exportPdfAction"_s)->trigger();
        QCOMPARE(dialogs_.told.size(), 2);
    }

    void printsAndWritesPdf()
    {
        TeacherWindow window(dialogs_);
        openAndWait(window, folder_->path());
        dialogs_.printedPdf = out_->filePath(u"printed.pdf"_s);
        action(window, u"printAction"_s)->trigger();
        QVERIFY(readBytes(dialogs_.printedPdf).startsWith("%PDF-"));

        dialogs_.fileToWrite = out_->filePath(u"report"_s);
        action(window, u"exportPdfAction"_s)->trigger();
        const QByteArray pdf = readBytes(dialogs_.fileToWrite + u".pdf"_s);
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.contains("/Type /Page"));
        QVERIFY(dialogs_.told.isEmpty());
    }

    void reportHoldsBothTablesTheChartAndTheFilesNotRead()
    {
        TeacherWindow window(dialogs_);
        openAndWait(window, folder_->path());
        QTableView *students = tableNamed(window, u"生徒ごと"_s);
        students->sortByColumn(2, Qt::DescendingOrder); // by score, as the teacher may have sorted
        const QImage chart(10, 10, QImage::Format_RGB32);
        const auto report = classReport({folder_->path(), students->model(),
                                         tableNamed(window, u"問題ごと"_s)->model(),
                                         tableNamed(window, u"読めなかったファイル"_s)->model(), chart});
        const QString text = report->toPlainText();
        for (const QString &expected : {u"生徒ごと"_s, u"問題ごと"_s, u"読めなかったファイル"_s, u"broken.ucd"_s,
                                        u"時間の中央値（秒）"_s, folder_->path()})
            QVERIFY2(text.contains(expected), qPrintable(expected));
        QVERIFY(text.indexOf(u"ayaka"_s) < text.indexOf(u"daichi"_s)); // as sorted
        QVERIFY(text.indexOf(u"kenta"_s) < text.indexOf(u"mio"_s));
        QVERIFY(text.indexOf(u"mio"_s) < text.indexOf(u"emi"_s));
        QVERIFY(report->toHtml().contains(u"<img src=\"chart.png\""_s));
        QVERIFY(report->toHtml().contains(ProblemTableModel::hardestShade().name())); // the hardest rows' shade
    }

    void cancelsASlowReadingAtOnce()
    {
        HeldReader held;
        TeacherWindow window(dialogs_, held.reader());
        QSignalSpy shown(&window, &TeacherWindow::overviewShown);
        window.openFolder(folder_->path());
        QVERIFY(held.awaitReads(1));
        // The window goes on: the reading is shown and can be cancelled.
        QVERIFY(window.isReading());
        QVERIFY(window.findChild<QProgressBar *>(u"readingProgress"_s)->isVisibleTo(&window));
        QAction *cancel = action(window, u"cancelAction"_s);
        QVERIFY(cancel->isEnabled());
        cancel->trigger();
        QVERIFY(!window.isReading());
        QVERIFY(!cancel->isEnabled());
        QCOMPARE(window.statusBar()->currentMessage(), u"読み込みを中止しました"_s);
        held.release();
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(50);
        QCOMPARE(shown.size(), 0);
        QCOMPARE(held.reads(), 1);
        QCOMPARE(tableNamed(window, u"生徒ごと"_s)->model()->rowCount(), 0);
    }

    void aFolderChosenDuringAReadingReplacesIt()
    {
        QTemporaryDir other;
        QVERIFY(writeBytes(other.filePath(u"riku.ucd"_s), progressText(2, "3000", finishedUpTo(1))));
        HeldReader held;
        const ProgressFileReader slowFirstFolder = [&](const QDir &folder, const QString &name) {
            return folder.path() == folder_->path() ? held.reader()(folder, name) : readProgressFile(folder, name);
        };
        TeacherWindow window(dialogs_, slowFirstFolder);
        QSignalSpy shown(&window, &TeacherWindow::overviewShown);
        window.openFolder(folder_->path());
        QVERIFY(held.awaitReads(1));
        window.openFolder(other.path());
        QVERIFY(shown.wait());
        held.release();
        QThreadPool::globalInstance()->waitForDone();
        QTest::qWait(50);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(window.overview().folder, other.path());
        QCOMPARE(tableNamed(window, u"生徒ごと"_s)->model()->rowCount(), 1);
    }

private:
    void openAndWait(TeacherWindow &window, const QString &folder)
    {
        QSignalSpy shown(&window, &TeacherWindow::overviewShown);
        window.openFolder(folder);
        QVERIFY(shown.wait());
    }

    std::optional<QTemporaryDir> folder_;
    std::optional<QTemporaryDir> out_;
    FakeTeacherDialogs dialogs_;
};

QTEST_MAIN(TeacherWindowTest)
#include "tst_teacher_window.moc"
