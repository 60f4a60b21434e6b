// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The overview's figures of a generated class: students finished, on the
// last problem, in the middle and fresh, and beside them files of every kind
// that is not a progress file.

#include "class_folders.h"

#include "class_folder.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace piyota;
using namespace piyota::teacher;
using namespace piyota::testing;
using namespace Qt::StringLiterals;

namespace {

const StudentFigures *studentNamed(const ClassOverview &overview, const QString &code)
{
    for (const StudentFigures &student : overview.students) {
        if (student.userCode == code)
            return &student;
    }
    return nullptr;
}
// The figures live in the overview: a temporary one would leave the pointer dangling.
const StudentFigures *studentNamed(ClassOverview &&, const QString &) = delete;

QList<ProblemMisses> misses(std::initializer_list<std::pair<int, int>> pairs)
{
    QList<ProblemMisses> list;
    for (const auto &[problem, count] : pairs)
        list.append({problem, count});
    return list;
}

// A record in memory: problems 1..finished with `misses` wrong answers and
// `seconds` each, then the current problem's clock reading.
ProgressRecord recordAt(int problemNo, int misses, float seconds, float currentReading = 40000.5f)
{
    ProgressRecord record;
    record.problemNo = std::int16_t(problemNo);
    for (int p = 1; p < problemNo; ++p) {
        record.missCount[p] = misses;
        record.answerSeconds[p] = seconds;
    }
    record.answerSeconds[problemNo] = currentReading;
    return record;
}

} // namespace

class ClassOverviewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        folder_.emplace();
        elsewhere_.emplace();
        QVERIFY(folder_->isValid() && elsewhere_->isValid());
        QVERIFY(writeClass(QDir(folder_->path())));
    }

    void tellsDoneFromOnTheLastProblem_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("problemReached");
        QTest::addColumn<bool>("done");
        QTest::addColumn<bool>("inProgress");
        QTest::newRow("done: problem 30 holds whole seconds") << u"ayaka"_s << 30 << true << false;
        QTest::newRow("on problem 30: it holds a clock reading") << u"daichi"_s << 30 << false << true;
        QTest::newRow("in the middle, begun") << u"emi"_s << 12 << false << true;
        QTest::newRow("after the save at a group's end") << u"kenta"_s << 16 << false << false;
        QTest::newRow("fresh") << u"mio"_s << 1 << false << false;
    }

    void tellsDoneFromOnTheLastProblem()
    {
        QFETCH(QString, code);
        QFETCH(int, problemReached);
        QFETCH(bool, done);
        QFETCH(bool, inProgress);
        const ClassOverview overview = readOverviewOf(folder_->path());
        const StudentFigures *student = studentNamed(overview, code);
        QVERIFY(student);
        QCOMPARE(student->problemReached, problemReached);
        QCOMPARE(student->courseDone, done);
        QCOMPARE(student->problemInProgress, inProgress);
    }

    void problemThirtyAnsweredWithinASecondIsDone()
    {
        QVERIFY(writeBytes(folder_->filePath(QStringLiteral("quick.ucd")),
                           progressText(30, "90000", finishedUpTo(29, "0,0"))));
        const ClassOverview overview = readOverviewOf(folder_->path());
        const StudentFigures *quick = studentNamed(overview, QStringLiteral("quick"));
        QVERIFY(quick);
        QVERIFY(quick->courseDone);
        QVERIFY(!quick->problemInProgress);
    }

    // Problem i of the generated files: (i % 3) wrong answers in 20 + i seconds.
    void sumsEachStudentsFinishedProblemsOnly()
    {
        const ClassOverview overview = readOverviewOf(folder_->path());
        QCOMPARE(overview.students.size(), 5);
        struct Expected {
            const char *code;
            double score;
            int misses;
            double seconds;
            QList<ProblemMisses> mostMissed;
        };
        const Expected expected[] = {
            // 1..29: 30 wrong answers and 1015 s; problem 30: 1 and 50 s.
            {"ayaka", 89000, 31, 1065, misses({{2, 2}, {5, 2}, {8, 2}})},
            // The same, and 2 wrong answers on problem 30, whose clock reading is no time.
            {"daichi", 57000, 32, 1015, misses({{2, 2}, {5, 2}, {8, 2}})},
            {"emi", -3000, 12, 286, misses({{2, 2}, {5, 2}, {8, 2}})},
            {"kenta", 41000, 15, 420, misses({{2, 2}, {5, 2}, {8, 2}})},
            {"mio", 0, 0, 0, {}},
        };
        for (const Expected &e : expected) {
            const StudentFigures *student = studentNamed(overview, QString::fromLatin1(e.code));
            QVERIFY2(student, e.code);
            QCOMPARE(student->score, e.score);
            QCOMPARE(student->totalMisses, e.misses);
            QCOMPARE(student->totalSeconds, e.seconds);
            QCOMPARE(student->mostMissed, e.mostMissed);
        }
    }

    void mostMissedTakesTheMostFirst()
    {
        QList<QByteArray> lines = finishedUpTo(9, "1,41000.5");
        lines[2] = "4,30";
        lines[6] = "7,30";
        lines[3] = "4,30";
        lines.append("9,0");
        QVERIFY(writeBytes(folder_->filePath(QStringLiteral("sora.ucd")), progressText(10, "0", lines)));
        // Problem 11 lies beyond the problem reached: its wrong answers do not count.
        const ClassOverview overview = readOverviewOf(folder_->path());
        const StudentFigures *sora = studentNamed(overview, QStringLiteral("sora"));
        QVERIFY(sora);
        QCOMPARE(sora->mostMissed, misses({{7, 7}, {3, 4}, {4, 4}}));
    }

    void figuresEachProblemAcrossTheClass()
    {
        const ClassOverview overview = readOverviewOf(folder_->path());
        QCOMPARE(overview.problems.size(), 30);
        struct Expected {
            int problem, reached, finished;
            qint64 misses;
            std::optional<double> average, median;
        };
        const Expected expected[] = {
            {1, 5, 4, 4, 0.8, 21},              // mio reached problem 1, no one else is on it
            {2, 4, 4, 8, 2, 22},
            {12, 4, 3, 0, 0, 32},               // emi is on it
            {16, 3, 2, 2, 2.0 / 3, 36},         // kenta has not begun it
            {29, 2, 2, 4, 2, 49},
            {30, 2, 1, 3, 1.5, 50},             // daichi is on it
        };
        for (const Expected &e : expected) {
            const ProblemFigures &problem = overview.problems[e.problem - 1];
            QCOMPARE(problem.problem, e.problem);
            QCOMPARE(problem.studentsReached, e.reached);
            QCOMPARE(problem.studentsFinished, e.finished);
            QCOMPARE(problem.totalMisses, e.misses);
            QVERIFY(problem.averageMisses.has_value());
            QCOMPARE(*problem.averageMisses, *e.average);
            QVERIFY(problem.medianSeconds.has_value());
            QCOMPARE(*problem.medianSeconds, *e.median);
        }
        // Every problem with (i % 3) == 2 has an average of 2, the class's highest.
        for (const ProblemFigures &problem : overview.problems)
            QVERIFY2(problem.hardest == (problem.problem % 3 == 2), qPrintable(QString::number(problem.problem)));
    }

    void problemsNobodyReachedHaveNoAverageOrMedian()
    {
        const QList<ProblemFigures> problems = problemFigures({recordAt(3, 1, 10)});
        QCOMPARE(problems[2].studentsReached, 1);
        QVERIFY(problems[2].averageMisses.has_value());
        QVERIFY(!problems[2].medianSeconds.has_value()); // begun, not finished
        QCOMPARE(problems[3].studentsReached, 0);
        QVERIFY(!problems[3].averageMisses.has_value());
        QVERIFY(!problems[3].medianSeconds.has_value());
        QVERIFY(problemFigures({}).at(0).averageMisses == std::nullopt);
    }

    void medianOfAnOddAndAnEvenCount()
    {
        QList<ProgressRecord> records{recordAt(2, 0, 50), recordAt(2, 0, 10), recordAt(2, 0, 30)};
        QCOMPARE(*problemFigures(records).at(0).medianSeconds, 30.0);
        records.append(recordAt(2, 0, 1000));
        QCOMPARE(*problemFigures(records).at(0).medianSeconds, 40.0);
    }

    void hardestAreTheTopThreeAndTheirTies()
    {
        // Averages: problem 1: 5, 2: 4, 3: 3, 4: 3, 5: 1, 6..: 0.
        ProgressRecord record = recordAt(30, 0, 10, 20);
        const int missesOf[] = {5, 4, 3, 3, 1};
        for (int p = 1; p <= 5; ++p)
            record.missCount[p] = missesOf[p - 1];
        QList<int> hardest;
        for (const ProblemFigures &problem : problemFigures({record})) {
            if (problem.hardest)
                hardest.append(problem.problem);
        }
        QCOMPARE(hardest, QList<int>({1, 2, 3, 4}));

        // Nobody answered wrongly: nothing stands out.
        for (const ProblemFigures &problem : problemFigures({recordAt(30, 0, 10, 20)}))
            QVERIFY(!problem.hardest);
    }

    void listsEveryFileItCannotReadWithTheReason()
    {
        QVERIFY(writeBrokenFiles(QDir(folder_->path()), elsewhere_->filePath(QStringLiteral("real.ucd"))));
        const ClassOverview overview = readOverviewOf(folder_->path());
        QCOMPARE(overview.students.size(), 5); // the class, nothing of the rest
        QList<std::pair<QString, ProgressFileRefusal>> skipped;
        for (const SkippedFile &file : overview.skipped)
            skipped.append({file.fileName, file.reason});
        const QList<std::pair<QString, ProgressFileRefusal>> expected{
            {QStringLiteral("broken.ucd"), ProgressFileRefusal::Malformed},
            {QStringLiteral("cut.ucd"), ProgressFileRefusal::Malformed},
            {QStringLiteral("folder.ucd"), ProgressFileRefusal::NotRegularFile},
            {QStringLiteral("huge.ucd"), ProgressFileRefusal::TooLarge},
            {QStringLiteral("link.ucd"), ProgressFileRefusal::Link},
            {QStringLiteral("pipe.ucd"), ProgressFileRefusal::NotRegularFile},
        };
        QCOMPARE(skipped, expected);
        QCOMPARE(overview.problems[0].studentsReached, 5);
    }

    void takesOnlyProgressFilesByTheirName()
    {
        const QDir folder(folder_->path());
        QVERIFY(writeBytes(folder.filePath(QStringLiteral("ayaka.ucd.lock")), "12345\nhost\n"));
        QVERIFY(writeBytes(folder.filePath(QStringLiteral("notes.txt")), "3年2組"));
        // The program writes the extension in lower case only: this is no progress file of it.
        QVERIFY(writeBytes(folder.filePath(QStringLiteral("RIKU.UCD")), progressText(2, "3000", finishedUpTo(1))));
        QVERIFY(makeLink(folder.filePath(QStringLiteral("gone.ucd")), elsewhere_->filePath(QStringLiteral("none"))));
        const ClassOverview overview = readOverviewOf(folder_->path());
        QStringList codes;
        for (const StudentFigures &student : overview.students)
            codes.append(student.userCode);
        QCOMPARE(codes, QStringList({u"ayaka"_s, u"daichi"_s, u"emi"_s, u"kenta"_s, u"mio"_s}));
        QCOMPARE(overview.skipped.size(), 1);
        QCOMPARE(overview.skipped[0].fileName, QStringLiteral("gone.ucd")); // a dangling link, listed
    }

    void aFolderThatCannotBeListedSaysSo()
    {
        const ClassOverview overview = readOverviewOf(folder_->filePath(QStringLiteral("no such folder")));
        QVERIFY(!overview.folderReadable);
        QVERIFY(overview.students.isEmpty());
        QCOMPARE(overview.problems.size(), 30);
        QVERIFY(readOverviewOf(folder_->path()).folderReadable);
    }

private:
    std::optional<QTemporaryDir> folder_;
    std::optional<QTemporaryDir> elsewhere_;
};

QTEST_GUILESS_MAIN(ClassOverviewTest)
#include "tst_class_overview.moc"
