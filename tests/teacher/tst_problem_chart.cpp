// The chart of the problems: what each series holds, which bars stand out,
// the axes, the text for screen readers, and the printed picture.

#include "problem_table_model.h"
#include "problem_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

using namespace piyota::teacher;
using namespace Qt::StringLiterals;

namespace {

// Problem 1: 0.5 wrong answers, 30 s; problem 2, the hardest: 2.25 and
// 45.5 s; problem 3: reached, nobody finished; the rest nobody reached.
QList<ProblemFigures> someProblems()
{
    QList<ProblemFigures> problems;
    for (int p = 1; p <= 30; ++p) {
        ProblemFigures problem;
        problem.problem = p;
        problems.append(problem);
    }
    problems[0].averageMisses = 0.5;
    problems[0].medianSeconds = 30;
    problems[1].averageMisses = 2.25;
    problems[1].medianSeconds = 45.5;
    problems[1].hardest = true;
    problems[2].averageMisses = 1;
    return problems;
}

int pixelsOf(const QImage &image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour.rgb();
    }
    return count;
}

} // namespace

class ProblemChartTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void barsOfWrongAnswersAndALineOfSeconds()
    {
        const std::unique_ptr<QChart> chart = problemChart(someProblems());
        const QList<QAbstractSeries *> series = chart->series();
        QCOMPARE(series.size(), 2);
        auto *bars = qobject_cast<QBarSeries *>(series[0]);
        auto *seconds = qobject_cast<QLineSeries *>(series[1]);
        QVERIFY(bars && seconds);

        QCOMPARE(bars->count(), 1);
        const QBarSet *misses = bars->barSets().constFirst();
        QCOMPARE(misses->label(), u"間違いの平均（回）"_s);
        QCOMPARE(misses->count(), 30);
        QCOMPARE(misses->at(0), 0.5);
        QCOMPARE(misses->at(1), 2.25);
        QCOMPARE(misses->at(2), 1.0);
        QCOMPARE(misses->at(29), 0.0);
        QCOMPARE(misses->selectedBars(), QList<int>({1})); // the hardest

        QCOMPARE(seconds->name(), u"時間の中央値（秒）"_s);
        QCOMPARE(seconds->points(), QList<QPointF>({{0, 30}, {1, 45.5}})); // where a median exists
    }

    void axesNameWhatTheyMeasureAndHoldTheHighestValue()
    {
        const std::unique_ptr<QChart> chart = problemChart(someProblems());
        auto *problems = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).value(0));
        QVERIFY(problems);
        QCOMPARE(problems->titleText(), u"問題"_s);
        QCOMPARE(problems->count(), 30);
        QCOMPARE(problems->at(0), u"1"_s);
        QCOMPARE(problems->at(29), u"30"_s);

        const QList<QAbstractAxis *> vertical = chart->axes(Qt::Vertical);
        QCOMPARE(vertical.size(), 2);
        auto *missesAxis = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical, chart->series()[0]).value(0));
        auto *secondsAxis = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical, chart->series()[1]).value(0));
        QVERIFY(missesAxis && secondsAxis && missesAxis != secondsAxis);
        QCOMPARE(missesAxis->alignment(), Qt::AlignLeft);
        QCOMPARE(secondsAxis->alignment(), Qt::AlignRight);
        QCOMPARE(missesAxis->min(), 0.0);
        QVERIFY(missesAxis->max() >= 2.25);
        QVERIFY(secondsAxis->max() >= 45.5);
    }

    void describesEveryProblemForScreenReaders()
    {
        const QStringList lines = problemChartDescription(someProblems()).split(u'\n');
        QCOMPARE(lines.size(), 30);
        QCOMPARE(lines[0], u"問題1：間違いの平均 0.5回、時間の中央値 30秒"_s);
        QCOMPARE(lines[1], u"問題2：間違いの平均 2.25回、時間の中央値 45.5秒（要注意）"_s);
        QCOMPARE(lines[2], u"問題3：間違いの平均 1回、時間の中央値 なし"_s);
        QCOMPARE(lines[29], u"問題30：間違いの平均 なし、時間の中央値 なし"_s);
    }

    void printedPictureShowsTheHardestBarInItsOwnShade()
    {
        const QImage picture = problemChartImage(someProblems(), QSize(900, 450));
        QCOMPARE(picture.size(), QSize(900, 450));
        const QColor hardestBar = ProblemTableModel::hardestShade().darker(125);
        QVERIFY(pixelsOf(picture, hardestBar) > 100);
        QList<ProblemFigures> noneHardest = someProblems();
        noneHardest[1].hardest = false;
        QCOMPARE(pixelsOf(problemChartImage(noneHardest, QSize(900, 450)), hardestBar), 0);
    }
};

QTEST_MAIN(ProblemChartTest)
#include "tst_problem_chart.moc"
