// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tables as the teacher sees and sorts them, and their CSV bytes.

#include "class_folders.h"

#include "class_folder.h"
#include "csv.h"
#include "lecture_table_model.h"
#include "problem_table_model.h"
#include "skipped_files_model.h"
#include "student_table_model.h"
#include "table_columns.h"

#include <QFont>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace piyota;
using namespace piyota::teacher;
using namespace piyota::testing;
using namespace Qt::StringLiterals;

namespace {

QStringList column(const QAbstractItemModel &table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row)
        texts.append(table.index(row, column).data().toString());
    return texts;
}

QStringList headings(const QAbstractItemModel &table)
{
    QStringList texts;
    for (int section = 0; section < table.columnCount(); ++section)
        texts.append(table.headerData(section, Qt::Horizontal).toString());
    return texts;
}

} // namespace

class TableModelsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        QVERIFY(writeClass(QDir(folder_.path())));
        QVERIFY(writeBytes(folder_.filePath(QStringLiteral("=SUM(1,2).ucd")),
                           progressText(10, "-6000", finishedUpTo(9, "3,50000.25"))));
        QVERIFY(writeBytes(folder_.filePath(QStringLiteral("broken.ucd")), "no numbers"));
        const QDateTime saved(QDate(2024, 5, 1), QTime(14, 32, 59));
        for (const QString &name : QDir(folder_.path()).entryList(QDir::Files)) {
            QFile file(folder_.filePath(name));
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(saved, QFileDevice::FileModificationTime));
        }
        overview_ = readOverviewOf(folder_.path());
        students_.setRows(overview_.students);
        problems_.setRows(overview_.problems);
        lectures_.setRows(overview_.lectures);
        skipped_.setRows(overview_.skipped);
    }

    void studentsShowTheirStandingAndFigures()
    {
        QCOMPARE(headings(students_), QStringList({u"ログイン"_s, u"ユーザーコード"_s, u"到達した問題"_s, u"得点"_s,
                                                   u"間違いの合計"_s, u"時間の合計（秒）"_s, u"最終保存"_s,
                                                   u"間違いの多い問題"_s}));
        QCOMPARE(column(students_, StudentTableModel::Login), QStringList(6, QString())); // files of the folder itself
        QCOMPARE(column(students_, StudentTableModel::UserCode),
                 QStringList({u"=SUM(1,2)"_s, u"ayaka"_s, u"daichi"_s, u"emi"_s, u"kenta"_s, u"mio"_s}));
        QCOMPARE(column(students_, StudentTableModel::ProblemReached),
                 QStringList({u"10（進行中）"_s, u"修了"_s, u"30（進行中）"_s, u"12（進行中）"_s, u"16（未着手）"_s, u"1（未着手）"_s}));
        QCOMPARE(column(students_, StudentTableModel::Score),
                 QStringList({u"-6000"_s, u"89000"_s, u"57000"_s, u"-3000"_s, u"41000"_s, u"0"_s}));
        QCOMPARE(column(students_, StudentTableModel::TotalMisses), QStringList({u"12"_s, u"31"_s, u"32"_s, u"12"_s, u"15"_s, u"0"_s}));
        QCOMPARE(column(students_, StudentTableModel::TotalSeconds),
                 QStringList({u"225"_s, u"1065"_s, u"1015"_s, u"286"_s, u"420"_s, u"0"_s}));
        QCOMPARE(students_.index(0, StudentTableModel::MostMissed).data().toString(),
                 QStringLiteral("問10（3回）、問2（2回）、問5（2回）"));
        QCOMPARE(students_.index(5, StudentTableModel::MostMissed).data().toString(), QString());
    }

    void studentsSortByTheValueBehindEachColumn_data()
    {
        QTest::addColumn<int>("sortColumn");
        QTest::addColumn<QStringList>("codes");
        // 修了 after every problem, a problem begun after the same problem not begun.
        QTest::newRow("problem reached") << int(StudentTableModel::ProblemReached)
                                         << QStringList({u"mio"_s, u"=SUM(1,2)"_s, u"emi"_s, u"kenta"_s, u"daichi"_s, u"ayaka"_s});
        QTest::newRow("score") << int(StudentTableModel::Score)
                               << QStringList({u"=SUM(1,2)"_s, u"emi"_s, u"mio"_s, u"kenta"_s, u"daichi"_s, u"ayaka"_s});
        QTest::newRow("seconds, as numbers") << int(StudentTableModel::TotalSeconds)
                                             << QStringList({u"mio"_s, u"=SUM(1,2)"_s, u"emi"_s, u"kenta"_s, u"daichi"_s, u"ayaka"_s});
    }

    void studentsSortByTheValueBehindEachColumn()
    {
        QFETCH(int, sortColumn);
        QFETCH(QStringList, codes);
        QSortFilterProxyModel sorted;
        sorted.setSourceModel(&students_);
        sorted.setSortRole(kSortRole);
        sorted.sort(sortColumn, Qt::AscendingOrder);
        QCOMPARE(column(sorted, StudentTableModel::UserCode), codes);
    }

    void hardestProblemsStandOut()
    {
        QCOMPARE(headings(problems_), QStringList({u"問題"_s, u"到達した人数"_s, u"解き終えた人数"_s, u"間違いの合計"_s,
                                                   u"間違いの平均"_s, u"時間の中央値（秒）"_s, u"要注意"_s}));
        QCOMPARE(problems_.rowCount(), 30);
        // Problem 10: reached by five, the sixth student on it with 3 wrong answers.
        const int row10 = 9;
        QCOMPARE(problems_.index(row10, ProblemTableModel::Reached).data().toString(), QStringLiteral("5"));
        QCOMPARE(problems_.index(row10, ProblemTableModel::Finished).data().toString(), QStringLiteral("4"));
        QCOMPARE(problems_.index(row10, ProblemTableModel::TotalMisses).data().toString(), QStringLiteral("7"));
        QCOMPARE(problems_.index(row10, ProblemTableModel::AverageMisses).data().toString(), QStringLiteral("1.4"));
        QCOMPARE(problems_.index(1, ProblemTableModel::AverageMisses).data().toString(), QStringLiteral("2.0"));
        QCOMPARE(problems_.index(row10, ProblemTableModel::MedianSeconds).data().toString(), QStringLiteral("30"));
        for (int row = 0; row < 30; ++row) {
            const bool hardest = (row + 1) % 3 == 2;
            const QModelIndex attention = problems_.index(row, ProblemTableModel::Attention);
            QCOMPARE(attention.data().toString(), hardest ? QStringLiteral("★") : QString());
            QCOMPARE(attention.data(Qt::BackgroundRole).isValid(), hardest);
            QCOMPARE(problems_.index(row, ProblemTableModel::Problem).data(Qt::FontRole).value<QFont>().bold(), hardest);
        }
        // Sixteen and after: reached by fewer; 2 wrong answers among 3 students is 0.7 to one place.
        QCOMPARE(problems_.index(15, ProblemTableModel::AverageMisses).data().toString(), QStringLiteral("0.7"));
    }

    void problemsSortNumerically()
    {
        QSortFilterProxyModel sorted;
        sorted.setSourceModel(&problems_);
        sorted.setSortRole(kSortRole);
        sorted.sort(ProblemTableModel::Problem, Qt::DescendingOrder);
        QCOMPARE(column(sorted, ProblemTableModel::Problem).mid(19, 3), QStringList({u"11"_s, u"10"_s, u"9"_s}));
    }

    void skippedFilesGiveTheReasonInJapanese()
    {
        QCOMPARE(headings(skipped_), QStringList({u"ファイル"_s, u"読めなかった理由"_s}));
        QCOMPARE(column(skipped_, SkippedFilesModel::FileName), QStringList({u"broken.ucd"_s}));
        QCOMPARE(column(skipped_, SkippedFilesModel::Reason),
                 QStringList({u"進み具合の記録の形になっていません（壊れているか、途中で切れています）"_s}));
    }

    void csvGuardsEveryTextASpreadsheetWouldRunOrReadAsANumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        for (const QString &formula : {u"=1+1"_s, u"+81"_s, u"-x"_s, u"@home"_s, u"\tcmd"_s, u"\rcmd"_s})
            QTest::newRow(qPrintable(u"formula "_s + formula)) << formula << u'\'' + formula;
        for (const QString &number : {u"0012"_s, u"1e5"_s, u"-5"_s, u"12:30"_s, u"1-2"_s, u"3.5%"_s, u" 7"_s})
            QTest::newRow(qPrintable(u"number "_s + number)) << number << u'\'' + number;
        for (const QString &text : {u"ayaka"_s, u"e"_s, u"1a"_s, u"修了"_s, u"a=b"_s, u""_s})
            QTest::newRow(qPrintable(u"text "_s + text)) << text << text;
    }

    void csvGuardsEveryTextASpreadsheetWouldRunOrReadAsANumber()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QCOMPARE(csvGuarded(text), written);
    }

    void csvIsUtf8WithAByteOrderMarkAndCrLfItsFiguresBare()
    {
        QStandardItemModel table(0, 3);
        table.setHorizontalHeaderLabels({u"コード"_s, u"得点"_s, u"メモ"_s});
        table.setHeaderData(1, Qt::Horizontal, QVariant::fromValue(ColumnKind::Whole), kColumnKindRole);
        table.appendRow({new QStandardItem(u"0012"_s), new QStandardItem(u"-3000"_s), new QStandardItem(u"a,b"_s)});
        table.appendRow({new QStandardItem(u"say \"hi\""_s), new QStandardItem(u"15"_s), new QStandardItem(u"two\r\nlines"_s)});
        table.appendRow({new QStandardItem(u"=1+1"_s), new QStandardItem(u""_s), new QStandardItem(u"修了"_s)});
        const QByteArray expected = "\xEF\xBB\xBF"
                                    "\xE3\x82\xB3\xE3\x83\xBC\xE3\x83\x89,\xE5\xBE\x97\xE7\x82\xB9,"
                                    "\xE3\x83\xA1\xE3\x83\xA2\r\n"
                                    "'0012,-3000,\"a,b\"\r\n"
                                    "\"say \"\"hi\"\"\",15,\"two\r\nlines\"\r\n"
                                    "'=1+1,,\xE4\xBF\xAE\xE4\xBA\x86\r\n";
        QCOMPARE(csvOf(table), expected);
    }

    void csvOfTheStudentsAsSorted()
    {
        QSortFilterProxyModel sorted;
        sorted.setSourceModel(&students_);
        sorted.setSortRole(kSortRole);
        sorted.sort(StudentTableModel::Score, Qt::DescendingOrder);
        const QByteArray csv = csvOf(sorted);
        const QList<QByteArray> lines = csv.split('\n');
        QCOMPARE(lines.size(), 8); // BOM and header, six students, nothing after the last CRLF
        QCOMPARE(lines[1], QByteArray(",ayaka,修了,89000,31,1065,2024-05-01 14:32,問2（2回）、問5（2回）、問8（2回）\r"));
        QCOMPARE(lines[5], QByteArray(",emi,12（進行中）,-3000,12,286,2024-05-01 14:32,問2（2回）、問5（2回）、問8（2回）\r"));
        QCOMPARE(lines[6],
                 QByteArray(",\"'=SUM(1,2)\",10（進行中）,-6000,12,225,2024-05-01 14:32,問10（3回）、問2（2回）、問5（2回）\r"));
        QCOMPARE(lines[7], QByteArray());
    }

    void everyHeadingSaysWhatItCountsInJapanese()
    {
        for (const QAbstractItemModel *table :
             std::initializer_list<const QAbstractItemModel *>{&students_, &problems_, &lectures_, &skipped_}) {
            for (int section = 0; section < table->columnCount(); ++section) {
                const QString help = table->headerData(section, Qt::Horizontal, Qt::ToolTipRole).toString();
                QVERIFY2(help.endsWith(u'。'), qPrintable(table->headerData(section, Qt::Horizontal).toString()));
            }
        }
        QCOMPARE(students_.index(4, StudentTableModel::ProblemReached).data(Qt::ToolTipRole).toString(),
                 u"問題16まで来ましたが、まだ始めていません（初めからやったばかりか、ルーレットのすぐ後です）。"_s);
    }

    void lecturesGatherTheirProblems()
    {
        QCOMPARE(lectures_.rowCount(), 10);
        // Lecture 1 explains problems 1 to 5: reached by 6, 5, 5, 5, 5 students with 5 + 10
        // + 0 + 5 + 10 wrong answers (i % 3 on problem i from all but mio): 30 / 26 = 1.15.
        QCOMPARE(lectures_.index(0, LectureTableModel::Problems).data().toString(), u"問1〜5"_s);
        QCOMPARE(lectures_.index(0, LectureTableModel::Reached).data().toString(), u"6"_s);
        QCOMPARE(lectures_.index(0, LectureTableModel::TotalMisses).data().toString(), u"30"_s);
        QCOMPARE(lectures_.index(0, LectureTableModel::AverageMisses).data().toString(), u"1.2"_s);
        // Lecture 6 explains problem 26 alone: reached by ayaka and daichi, 2 wrong answers each.
        QCOMPARE(lectures_.index(5, LectureTableModel::Problems).data().toString(), u"問26"_s);
        QCOMPARE(lectures_.index(5, LectureTableModel::AverageMisses).data().toString(), u"2.0"_s);
    }

private:
    QTemporaryDir folder_;
    ClassOverview overview_;
    StudentTableModel students_;
    ProblemTableModel problems_;
    LectureTableModel lectures_;
    SkippedFilesModel skipped_;
};

QTEST_GUILESS_MAIN(TableModelsTest)
#include "tst_table_models.moc"
