// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart of the problems: what each series holds, which bars stand out
// and what the legend calls them, the axes, and the text for screen readers.

#include "problem_table_model.h"
#include "problem_chart.h"

#include <QBarCategoryAxis>
#include <QLegendMarker>
#include <QStackedBarSeries>
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

std::unique_ptr<QChart> chartOf(const QList<ProblemFigures> &problems)
{
    return problemChart(problems, QFont());
}

} // namespace

class ProblemChartTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void barsOfWrongAnswersAndALineOfSeconds()
    {
        const std::unique_ptr<QChart> chart = chartOf(someProblems());
        const QList<QAbstractSeries *> series = chart->series();
        QCOMPARE(series.size(), 2);
        auto *bars = qobject_cast<QStackedBarSeries *>(series[0]);
        auto *seconds = qobject_cast<QLineSeries *>(series[1]);
        QVERIFY(bars && seconds);

        // The hardest problem's bar stands in a set of its own, in the shade of its row.
        QCOMPARE(bars->count(), 2);
        QBarSet *misses = bars->barSets().at(0);
        QBarSet *hardest = bars->barSets().at(1);
        QCOMPARE(misses->label(), u"間違いの平均（回）"_s);
        QCOMPARE(hardest->label(), u"要注意の問題の間違いの平均（回）"_s);
        QCOMPARE(hardest->color(), ProblemTableModel::hardestShade().darker(125));
        QCOMPARE(misses->count(), 30);
        QCOMPARE(hardest->count(), 30);
        const QList<std::pair<double, double>> firstThree{{0.5, 0}, {0, 2.25}, {1, 0}};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(std::pair(misses->at(i), hardest->at(i)), firstThree[i]);
        QCOMPARE(misses->at(29) + hardest->at(29), 0.0);

        QStringList legend;
        for (const QLegendMarker *marker : chart->legend()->markers())
            legend.append(marker->label());
        QCOMPARE(legend, QStringList({u"間違いの平均（回）"_s, u"要注意の問題の間違いの平均（回）"_s, u"時間の中央値（秒）"_s}));

        QCOMPARE(seconds->name(), u"時間の中央値（秒）"_s);
        QCOMPARE(seconds->points(), QList<QPointF>({{0, 30}, {1, 45.5}})); // where a median exists
    }

    void axesNameWhatTheyMeasureAndHoldTheHighestValue()
    {
        const std::unique_ptr<QChart> chart = chartOf(someProblems());
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
        // One decimal and whole seconds, halves rounded away from zero.
        QCOMPARE(lines[1], u"問題2：間違いの平均 2.3回、時間の中央値 46秒（要注意）"_s);
        QCOMPARE(lines[2], u"問題3：間違いの平均 1.0回、時間の中央値 なし"_s);
        QCOMPARE(lines[29], u"問題30：間違いの平均 なし、時間の中央値 なし"_s);
    }

};

QTEST_MAIN(ProblemChartTest)
#include "tst_problem_chart.moc"
