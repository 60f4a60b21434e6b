// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace piyota::fontfit {

// An exponent line and the formula line printed under it.
struct ExponentPair {
    QString exponentLine;
    QString formula;
};

// A text line of a panel and the width it has from where it starts to the
// panel's right edge, in pixels.
struct PanelLine {
    QString text;
    double room;
};

// A number on a graph's x-axis label line that follows a run of spaces: the
// tables put it under its value by counting those spaces.
struct AxisValue {
    QString prefix;  // the literal before the number
    QString number;
    double columnX;  // where the literal starts, in pixels
    double targetX;  // the pixel of its value on the scale in force
};

// What the tables give that a font has to fit.
struct CourseTexts {
    std::vector<ExponentPair> exponentPairs;
    std::vector<PanelLine> panelLines;
    std::vector<AxisValue> axisValues;
    QStringList boxLines; // of the mincho boxes
};

CourseTexts collectCourseTexts();

struct GothicFit {
    QString family;
    double spaceWidth = 0;
    int digitsInGap = 0;
    double meanDigitError = 0;
    int linesTooWide = 0;
    double worstOverflow = 0;
    double meanAxisError = 0;
    double worstAxisError = 0;
    // Lower is closer: pixels of error, with each missed gap and each line
    // too wide counted as a few pixels more.
    double score() const;
};

struct MinchoFit {
    QString family;
    double fullWidth = 0;
    double halfWidth = 0;
    double meanPitchError = 0;
    double worstPitchError = 0;
    double score() const { return meanPitchError + worstPitchError / 4; }
};

struct RouletteFit {
    QString family;
    double leastClearance = 0;
    QString tightestLabel;
};

GothicFit measureGothic(const QString &family, const CourseTexts &texts);
MinchoFit measureMincho(const QString &family, const CourseTexts &texts);
RouletteFit measureRoulette(const QString &family);

} // namespace piyota::fontfit
