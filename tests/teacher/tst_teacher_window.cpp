// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The overview's window, headless: opening a folder, the tables and chart
// it shows, CSV, printing and PDF, and staying in the teacher's hands while
// a slow folder is read.

#include "class_folders.h"
#include "fake_teacher_dialogs.h"
#include "held_reader.h"

#include "student_window.h"
#include "teacher_window.h"

#include <QAction>
#include <QHeaderView>
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
        QCOMPARE(tableNamed(window, u"講義ごと"_s)->model()->rowCount(), 10);
        QCOMPARE(tableNamed(window, u"読めなかったファイル"_s)->model()->rowCount(), 1);
        QCOMPARE(window.findChild<QTabWidget *>(u"tabs"_s)->tabText(3), u"読めなかったファイル（1）"_s);
        auto *chart = window.findChild<QChartView *>(u"problemChart"_s);
        QCOMPARE(chart->chart()->series().size(), 2);
        QVERIFY(chart->accessibleDescription().startsWith(u"問題1：間違いの平均 0.8回、時間の中央値 21秒"_s));
        QVERIFY(action(window, u"exportCsvAction"_s)->isEnabled());
        QVERIFY(!window.findChild<QProgressBar *>(u"readingProgress"_s)->isVisibleTo(&window));
    }

    void writesTheTableShownAsCsvUnderTheNameAskedAbout()
    {
        TeacherWindow window(dialogs_);
        openAndWait(window, folder_->path());
        window.findChild<QTabWidget *>(u"tabs"_s)->setCurrentIndex(1);
        // A name without the extension gets it from the dialog, before the dialog asks about replacing.
        dialogs_.fileToWrite = out_->filePath(u"problems"_s);
        action(window, u"exportCsvAction"_s)->trigger();
        QCOMPARE(dialogs_.fileTitles, QStringList({u"「問題ごと」の表を CSV に書き出す"_s}));
        const QByteArray csv = readBytes(out_->filePath(u"problems.csv"_s));
        QVERIFY(csv.startsWith("\xEF\xBB\xBF問題,到達した人数,解き終えた人数,間違いの合計,間違いの平均,"
                               "時間の中央値（秒）,要注意\r\n1,5,4,4,0.8,21,\r\n2,4,4,8,2.0,22,★\r\n"));
        QCOMPARE(csv.count("\r\n"), 31);
        QCOMPARE(QDir(out_->path()).entryList(QDir::Files), QStringList{u"problems.csv"_s});
        QVERIFY(dialogs_.told.isEmpty());

        // A progress file's name is refused: nothing is written, under it or any other name.
        dialogs_.fileToWrite = folder_->filePath(u"ayaka.ucd"_s);
        const QStringList before = QDir(folder_->path()).entryList(QDir::Files);
        const QByteArray progressBefore = readBytes(dialogs_.fileToWrite);
        action(window, u"exportCsvAction"_s)->trigger();
        QCOMPARE(readBytes(dialogs_.fileToWrite), progressBefore);
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), before);
        QCOMPARE(dialogs_.told.size(), 1);
        QVERIFY(dialogs_.told[0].contains(u".csv で終わるように"_s));
    }

    void writesEveryTableToOneSpreadsheet()
    {
        TeacherWindow window(dialogs_);
        openAndWait(window, folder_->path());
        dialogs_.fileToWrite = out_->filePath(u"class"_s);
        action(window, u"exportSpreadsheetAction"_s)->trigger();
        QVERIFY(readBytes(out_->filePath(u"class.xlsx"_s)).startsWith("PK")); // a zip; check_exports.py reads one back
        QVERIFY(dialogs_.told.isEmpty());
    }

    void readsTheFolderAgainKeepingTheSort()
    {
        TeacherWindow window(dialogs_);
        openAndWait(window, folder_->path());
        QTableView *students = tableNamed(window, u"生徒ごと"_s);
        students->sortByColumn(3, Qt::DescendingOrder); // by score
        QVERIFY(writeBytes(folder_->filePath(u"aaron.ucd"_s), progressText(30, "99000", finishedUpTo(29, "0,60"))));
        QSignalSpy shown(&window, &TeacherWindow::overviewShown);
        QAction *reload = action(window, u"reloadAction"_s);
        QCOMPARE(reload->shortcut(), QKeySequence(Qt::Key_F5));
        reload->trigger();
        QVERIFY(shown.wait());
        QStringList codes;
        for (int row = 0; row < students->model()->rowCount(); ++row)
            codes.append(students->model()->index(row, 1).data().toString());
        QCOMPARE(codes, QStringList({u"aaron"_s, u"ayaka"_s, u"daichi"_s, u"kenta"_s, u"mio"_s, u"emi"_s}));
        QCOMPARE(students->horizontalHeader()->sortIndicatorSection(), 3);
    }

    void enterOnAStudentOpensTheStudentsProblems()
    {
        TeacherWindow window(dialogs_);
        openAndWait(window, folder_->path());
        QTableView *students = tableNamed(window, u"生徒ごと"_s);
        students->sortByColumn(3, Qt::DescendingOrder); // by score: emi, on problem 12, comes last
        students->setCurrentIndex(students->model()->index(4, 0));
        QTest::keyClick(students, Qt::Key_Return);
        auto *student = window.findChild<StudentWindow *>();
        QVERIFY(student);
        QCOMPARE(student->windowTitle(), u"emi の問題"_s);
        const QAbstractItemModel *problems = student->findChild<QTableView *>()->model();
        QCOMPARE(problems->rowCount(), 30);
        // Problem i of the generated files: (i % 3) wrong answers in 20 + i seconds; lecture 3 explains 11 to 15.
        const QStringList problem11{u"11"_s, u"3"_s, u"解き終えた"_s, u"2"_s, u"31"_s};
        const QStringList problem12{u"12"_s, u"3"_s, u"解いている途中"_s, u"0"_s, QString()};
        for (int column = 0; column < 5; ++column) {
            QCOMPARE(problems->index(10, column).data().toString(), problem11[column]);
            QCOMPARE(problems->index(11, column).data().toString(), problem12[column]);
        }
        QCOMPARE(problems->index(29, 2).data().toString(), u"まだ来ていない"_s);
        QCOMPARE(problems->index(29, 3).data().toString(), QString());
        QStringList facts;
        for (const QLabel *label : student->findChildren<QLabel *>())
            facts.append(label->accessibleName() + u'=' + label->text());
        QVERIFY(facts.contains(u"得点=-3000"_s));
        QVERIFY(facts.contains(u"到達した問題=12（進行中）"_s));
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

    void printsPreviewsAndWritesPdfWithTheSameDrawing()
    {
        TeacherWindow window(dialogs_);
        openAndWait(window, folder_->path());
        dialogs_.printedPdf = out_->filePath(u"printed.pdf"_s);
        action(window, u"printAction"_s)->trigger();
        dialogs_.previewPdf = out_->filePath(u"preview.pdf"_s);
        action(window, u"previewAction"_s)->trigger();
        dialogs_.fileToWrite = out_->filePath(u"report"_s);
        action(window, u"exportPdfAction"_s)->trigger();
        for (const QString &name : {u"printed.pdf"_s, u"preview.pdf"_s, u"report.pdf"_s}) {
            const QByteArray pdf = readBytes(out_->filePath(name));
            QVERIFY2(pdf.startsWith("%PDF-"), qPrintable(name));
            QVERIFY2(pdf.contains("/Count 2"), qPrintable(name)); // two pages each; check_exports.py reads one back
        }
        QVERIFY(dialogs_.told.isEmpty());
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
        const ProgressFileReader slowFirstFolder = [&](int folder, const QByteArray &name) {
            return name != "riku.ucd" ? held.reader()(folder, name) : readProgressFileAt(folder, name);
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
