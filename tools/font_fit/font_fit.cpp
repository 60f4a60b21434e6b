// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures how well Japanese fonts fit what the course's tables imply, for
// each of the three roles a font plays on the screens:
//  - the proportional gothic of the question box and the lecture panels
//    (15 px): where the counted spaces of every exponent line put its digit
//    against the gap its formula leaves, how many text lines fit their panel,
//    and where the counted spaces of the graph labels put each x value
//    against the point of the scale it names;
//  - the mincho of the answer, hint and speech boxes (12 px), laid out for a
//    fixed-pitch face: how far each line's width strays from that pitch;
//  - the roulette's sector labels (12 px): the least room between a label's
//    ink and the lines and circle of its sector.
//  - the teachers' tables (13 px): the full stop against the comma, the
//    digits' widths and likeness, the headings' characters in the font.
// Usage: font_fit [font files...]   (without files: the installed families)
// Prints one table per role, best first. Run offscreen.
#include "course.h"
#include "lectures/lecture.h"
#include "font_fit_measures.h"
#include "table_fit.h"

#include "lecture_table_model.h"
#include "problem_table_model.h"
#include "skipped_files_model.h"
#include "student_problems_model.h"
#include "student_table_model.h"

#include <QFontDatabase>
#include <QApplication>
#include <QTextStream>

#include <algorithm>

using namespace piyota::fontfit;

namespace {

QStringList japaneseFamilies(const QStringList &files)
{
    QStringList families;
    if (files.isEmpty()) {
        for (const QString &family : QFontDatabase::families(QFontDatabase::Japanese)) {
            if (!QFontDatabase::isBitmapScalable(family) || QFontDatabase::isSmoothlyScalable(family))
                families << family;
        }
    }
    for (const QString &file : files) {
        const int id = QFontDatabase::addApplicationFont(file);
        for (const QString &family : QFontDatabase::applicationFontFamilies(id)) {
            // A collection holds one family per language; the Japanese one serves.
            const bool otherLanguage = family.contains(QLatin1String(" KR")) || family.contains(QLatin1String(" SC"))
                                       || family.contains(QLatin1String(" TC")) || family.contains(QLatin1String(" HK"));
            if (!otherLanguage && !families.contains(family))
                families << family;
        }
    }
    return families;
}

// Every heading of the overview's tables.
QStringList tableHeadings()
{
    const piyota::teacher::StudentTableModel students;
    const piyota::teacher::ProblemTableModel problems;
    const piyota::teacher::LectureTableModel lectures;
    const piyota::teacher::SkippedFilesModel skipped;
    const piyota::teacher::StudentProblemsModel oneStudent({});
    QStringList headings;
    for (const QAbstractItemModel *table : std::initializer_list<const QAbstractItemModel *>{
             &students, &problems, &lectures, &skipped, &oneStudent}) {
        for (int column = 0; column < table->columnCount(); ++column)
            headings.append(table->headerData(column, Qt::Horizontal).toString());
    }
    return headings;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList families = japaneseFamilies(app.arguments().mid(1));
    const CourseTexts texts = collectCourseTexts();
    QTextStream out(stdout);

    std::vector<GothicFit> gothic;
    std::vector<MinchoFit> mincho;
    std::vector<RouletteFit> roulette;
    std::vector<TableFit> tables;
    const QStringList headings = tableHeadings();
    for (const QString &family : families) {
        tables.push_back(measureTable(family, headings));
        gothic.push_back(measureGothic(family, texts));
        mincho.push_back(measureMincho(family, texts));
        roulette.push_back(measureRoulette(family));
    }

    std::sort(gothic.begin(), gothic.end(), [](const GothicFit &a, const GothicFit &b) { return a.score() < b.score(); });
    out << "Proportional gothic, 15 px (" << texts.exponentPairs.size() << " exponent pairs, "
        << texts.panelLines.size() << " text lines, " << texts.axisValues.size() << " x-axis values)\n";
    out << "family | space px | digits in their gap | digit off its gap, mean px | lines too wide | worst overflow px"
           " | x value off its point, mean px | worst px\n";
    for (const GothicFit &fit : gothic) {
        out << fit.family << " | " << QString::number(fit.spaceWidth, 'f', 2) << " | " << fit.digitsInGap << " | "
            << QString::number(fit.meanDigitError, 'f', 1) << " | " << fit.linesTooWide << " | "
            << QString::number(fit.worstOverflow, 'f', 1) << " | " << QString::number(fit.meanAxisError, 'f', 1)
            << " | " << QString::number(fit.worstAxisError, 'f', 1) << '\n';
    }

    std::sort(mincho.begin(), mincho.end(), [](const MinchoFit &a, const MinchoFit &b) { return a.score() < b.score(); });
    out << "\nMincho, 12 px (" << texts.boxLines.size() << " lines of the answer, hint and speech boxes)\n";
    out << "family | full-width px | half-width px | line off its fixed pitch, mean px | worst px\n";
    for (const MinchoFit &fit : mincho) {
        out << fit.family << " | " << QString::number(fit.fullWidth, 'f', 2) << " | "
            << QString::number(fit.halfWidth, 'f', 2) << " | " << QString::number(fit.meanPitchError, 'f', 1) << " | "
            << QString::number(fit.worstPitchError, 'f', 1) << '\n';
    }

    std::sort(roulette.begin(), roulette.end(),
              [](const RouletteFit &a, const RouletteFit &b) { return a.leastClearance > b.leastClearance; });
    out << "\nRoulette labels, 12 px (least room between a label's ink and its sector's lines, px)\n";
    out << "family | least room | label with the least room\n";
    for (const RouletteFit &fit : roulette)
        out << fit.family << " | " << QString::number(fit.leastClearance, 'f', 1) << " | " << fit.tightestLabel << '\n';

    std::sort(tables.begin(), tables.end(), [](const TableFit &a, const TableFit &b) { return a.score() > b.score(); });
    out << "\nTeachers' tables, 13 px (the full stop and the comma, digits, " << headings.size() << " headings)\n";
    out << "family | heading characters missing | full stop's ink px² | comma below the full stop px"
           " | full stop vs comma, differing ink px² | digit widths spread px | two digits most alike (ink px²)\n";
    for (const TableFit &fit : tables) {
        out << fit.family << " | " << fit.missingCharacters << " | " << QString::number(fit.periodInk, 'f', 1) << " | "
            << fit.commaTail << " | " << QString::number(fit.periodCommaDifference, 'f', 1) << " | "
            << QString::number(fit.digitWidthSpread, 'f', 2) << " | " << fit.digitsMostAlike << " ("
            << QString::number(fit.leastDigitDifference, 'f', 1) << ")\n";
    }
    return 0;
}
