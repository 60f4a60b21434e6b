// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_figures.h"

#include "lectures/lecture.h"

namespace piyota::teacher {

QString lectureTopic(int lecture)
{
    static const QStringList topics{
        QStringLiteral("y = ax² のグラフ"),
        QStringLiteral("y = ax² + q のグラフ（上下への平行移動）"),
        QStringLiteral("y = a(x − p)² のグラフ（左右への平行移動）"),
        QStringLiteral("y = a(x − p)² + q のグラフ"),
        QStringLiteral("y = ax² + bx + c の頂点と軸（平方完成）"),
        QStringLiteral("最大値と最小値"),
        QStringLiteral("定義域のある最大値と最小値"),
        QStringLiteral("２次不等式（グラフがｘ軸と２点で交わるとき）"),
        QStringLiteral("２次不等式（グラフがｘ軸に接するとき）"),
        QStringLiteral("２次不等式（グラフがｘ軸と交わらないとき）"),
    };
    return topics.value(lecture - 1);
}

QList<LectureFigures> lectureFigures(const QList<ProblemFigures> &problems)
{
    QList<LectureFigures> lectures;
    for (const content::Lecture &lecture : content::lectures()) {
        LectureFigures figures;
        figures.lecture = lecture.number;
        figures.topic = lectureTopic(lecture.number);
        figures.firstProblem = lecture.firstProblem;
        figures.lastProblem = lecture.lastProblem;
        qint64 problemsReached = 0;
        for (const ProblemFigures &problem : problems) {
            if (problem.problem < lecture.firstProblem || problem.problem > lecture.lastProblem)
                continue;
            if (problem.problem == lecture.firstProblem)
                figures.studentsReached = problem.studentsReached;
            problemsReached += problem.studentsReached;
            figures.totalMisses += problem.totalMisses;
        }
        if (problemsReached > 0)
            figures.averageMisses = double(figures.totalMisses) / double(problemsReached);
        lectures.append(figures);
    }
    return lectures;
}

} // namespace piyota::teacher
