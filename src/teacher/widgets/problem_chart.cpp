// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "problem_chart.h"

#include "figure_text.h"
#include "print_style.h"
#include "problem_table_model.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QStringList>
#include <QValueAxis>

namespace piyota::teacher {

namespace {

const QString kMissesName = QStringLiteral("間違いの平均（回）");
const QString kHardestName = QStringLiteral("要注意の問題の間違いの平均（回）");
const QString kSecondsName = QStringLiteral("時間の中央値（秒）");
const QColor kBarColour(90, 140, 200);
const QColor kLineColour(40, 40, 40);

// The chart is printed from a scene this many times the size of its place
// on paper, so that its text is laid out at a fine size.
constexpr double kPrintedSceneScale = 4;

QValueAxis *valueAxis(const QString &title, const QFont &font)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleFont(font);
    axis->setLabelsFont(font);
    axis->setMin(0);
    axis->setLabelFormat(QStringLiteral("%g"));
    return axis;
}

// The axis ends a little above the highest value, at a round number.
void fitAxis(QValueAxis *axis, double highest)
{
    axis->setMax(highest > 0 ? highest * 1.1 : 1);
    axis->applyNiceNumbers();
}

QBarSet *barSet(const QString &name, const QColor &colour)
{
    auto *bars = new QBarSet(name);
    bars->setColor(colour);
    bars->setBorderColor(colour.darker());
    return bars;
}

} // namespace

std::unique_ptr<QChart> problemChart(const QList<ProblemFigures> &problems, const QFont &font)
{
    auto chart = std::make_unique<QChart>();
    QFont bold = font;
    bold.setBold(true);
    chart->setTitle(QStringLiteral("問題ごとの間違いの平均と時間の中央値"));
    chart->setTitleFont(bold);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(font);

    // The hardest problems' bars form a set of their own, stacked on the
    // others' places, so that the legend names their shade.
    QBarSet *misses = barSet(kMissesName, kBarColour);
    QBarSet *hardest = barSet(kHardestName, ProblemTableModel::hardestShade().darker(125));
    auto *seconds = new QLineSeries;
    seconds->setName(kSecondsName);
    seconds->setColor(kLineColour);
    seconds->setPointsVisible(true);
    QStringList problemNumbers;
    double mostMisses = 0;
    double longest = 0;
    for (qsizetype i = 0; i < problems.size(); ++i) {
        const ProblemFigures &problem = problems[i];
        problemNumbers.append(QString::number(problem.problem));
        const double average = problem.averageMisses.value_or(0);
        misses->append(problem.hardest ? 0 : average);
        hardest->append(problem.hardest ? average : 0);
        mostMisses = std::max(mostMisses, average);
        if (problem.medianSeconds) {
            seconds->append(double(i), *problem.medianSeconds);
            longest = std::max(longest, *problem.medianSeconds);
        }
    }
    auto *bars = new QStackedBarSeries;
    bars->append({misses, hardest});
    chart->addSeries(bars);
    chart->addSeries(seconds);

    auto *problemAxis = new QBarCategoryAxis;
    problemAxis->setTitleText(QStringLiteral("問題"));
    problemAxis->setTitleFont(font);
    problemAxis->setLabelsFont(font);
    problemAxis->append(problemNumbers);
    chart->addAxis(problemAxis, Qt::AlignBottom);
    bars->attachAxis(problemAxis);
    seconds->attachAxis(problemAxis);

    QValueAxis *missesAxis = valueAxis(kMissesName, font);
    fitAxis(missesAxis, mostMisses);
    chart->addAxis(missesAxis, Qt::AlignLeft);
    bars->attachAxis(missesAxis);
    QValueAxis *secondsAxis = valueAxis(kSecondsName, font);
    fitAxis(secondsAxis, longest);
    chart->addAxis(secondsAxis, Qt::AlignRight);
    seconds->attachAxis(secondsAxis);
    return chart;
}

PrintedPiece printedProblemChart(const QList<ProblemFigures> &problems, double height)
{
    return {height, [problems](PagePainter &page, const QRectF &area) {
                QFont font = printFont();
                font.setPixelSize(int(kTextPoints * kPrintedSceneScale));
                QGraphicsScene scene;
                QChart *chart = problemChart(problems, font).release();
                scene.addItem(chart); // the scene deletes it
                chart->setBackgroundVisible(false);
                chart->resize(area.size() * kPrintedSceneScale);
                scene.render(&page.painter(), page.toDevice(area), chart->geometry());
            }};
}

QString problemChartDescription(const QList<ProblemFigures> &problems)
{
    QStringList lines;
    for (const ProblemFigures &problem : problems) {
        const QString misses = problem.averageMisses
                                   ? fixedNumber(*problem.averageMisses, kAverageDecimals) + QStringLiteral("回")
                                   : QStringLiteral("なし");
        const QString seconds = problem.medianSeconds
                                    ? fixedNumber(*problem.medianSeconds, kWholeDecimals) + QStringLiteral("秒")
                                    : QStringLiteral("なし");
        lines.append(QStringLiteral("問題%1：間違いの平均 %2、時間の中央値 %3%4")
                         .arg(problem.problem)
                         .arg(misses, seconds, problem.hardest ? QStringLiteral("（要注意）") : QString()));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace piyota::teacher
