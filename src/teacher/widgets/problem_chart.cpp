#include "problem_chart.h"

#include "plain_number.h"
#include "problem_table_model.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QStringList>
#include <QValueAxis>

namespace piyota::teacher {

namespace {

const QString kMissesName = QStringLiteral("間違いの平均（回）");
const QString kSecondsName = QStringLiteral("時間の中央値（秒）");
const QColor kBarColour(90, 140, 200);

QValueAxis *valueAxis(const QString &title)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
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

} // namespace

std::unique_ptr<QChart> problemChart(const QList<ProblemFigures> &problems)
{
    auto chart = std::make_unique<QChart>();
    chart->setTitle(QStringLiteral("問題ごとの間違いの平均と時間の中央値"));
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto *misses = new QBarSet(kMissesName);
    misses->setColor(kBarColour);
    misses->setBorderColor(kBarColour.darker());
    misses->setSelectedColor(ProblemTableModel::hardestShade().darker(125));
    auto *seconds = new QLineSeries;
    seconds->setName(kSecondsName);
    seconds->setPointsVisible(true);
    QStringList problemNumbers;
    double mostMisses = 0;
    double longest = 0;
    for (qsizetype i = 0; i < problems.size(); ++i) {
        const ProblemFigures &problem = problems[i];
        problemNumbers.append(QString::number(problem.problem));
        misses->append(problem.averageMisses.value_or(0));
        mostMisses = std::max(mostMisses, problem.averageMisses.value_or(0));
        if (problem.hardest)
            misses->selectBar(int(i));
        if (problem.medianSeconds) {
            seconds->append(double(i), *problem.medianSeconds);
            longest = std::max(longest, *problem.medianSeconds);
        }
    }
    auto *bars = new QBarSeries;
    bars->append(misses);
    chart->addSeries(bars);
    chart->addSeries(seconds);

    auto *problemAxis = new QBarCategoryAxis;
    problemAxis->setTitleText(QStringLiteral("問題"));
    problemAxis->append(problemNumbers);
    chart->addAxis(problemAxis, Qt::AlignBottom);
    bars->attachAxis(problemAxis);
    seconds->attachAxis(problemAxis);

    QValueAxis *missesAxis = valueAxis(kMissesName);
    fitAxis(missesAxis, mostMisses);
    chart->addAxis(missesAxis, Qt::AlignLeft);
    bars->attachAxis(missesAxis);
    QValueAxis *secondsAxis = valueAxis(kSecondsName);
    fitAxis(secondsAxis, longest);
    chart->addAxis(secondsAxis, Qt::AlignRight);
    seconds->attachAxis(secondsAxis);
    return chart;
}

QImage problemChartImage(const QList<ProblemFigures> &problems, QSize size)
{
    QGraphicsScene scene;
    QChart *chart = problemChart(problems).release();
    scene.addItem(chart); // the scene deletes it
    chart->resize(size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), size), chart->geometry());
    return image;
}

QString problemChartDescription(const QList<ProblemFigures> &problems)
{
    QStringList lines;
    for (const ProblemFigures &problem : problems) {
        const QString misses = problem.averageMisses ? plainNumber(*problem.averageMisses, 2) + QStringLiteral("回")
                                                     : QStringLiteral("なし");
        const QString seconds = problem.medianSeconds ? plainNumber(*problem.medianSeconds, 1) + QStringLiteral("秒")
                                                      : QStringLiteral("なし");
        lines.append(QStringLiteral("問題%1：間違いの平均 %2、時間の中央値 %3%4")
                         .arg(problem.problem)
                         .arg(misses, seconds, problem.hardest ? QStringLiteral("（要注意）") : QString()));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace piyota::teacher
