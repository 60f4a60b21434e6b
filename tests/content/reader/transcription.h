// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The course content as the hand-made transcription under
// tests/content/transcription/ gives it, written from the tables apart from
// the program's code. Tests compare the program with it and take every
// expected answer from it, never from the content code they check.
namespace piyota::transcription {

// Where an item stands in the transcription, for failure messages.
struct Source {
    QString file;
    int line = 0;

    QString text() const { return QStringLiteral("%1:%2").arg(file).arg(line); }
};

// One printed item of a question, in table order.
struct QuestionItem {
    enum class Kind { Line, Exponent, PrintPosition };
    Kind kind = Kind::Line;
    QString text;      // Line: the line; Exponent: the spaces and digits it prints
    int printY = 0;    // PrintPosition
    Source source;
};

struct ProblemLayout {
    QString title;
    std::vector<QuestionItem> items;
    std::array<QString, 7> captions; // Command1..Command7
    int correct = 0;                 // 1..7
    Source source;

    // The question box's text lines as printed: a blank line, the title,
    // then every line and exponent line in order.
    QStringList printedLines() const;
    // The text lines alone (`line` items), numbered from 1 as after-next
    // blocks count them.
    QStringList textLines() const;
};

struct Problem {
    int number = 0;
    std::array<ProblemLayout, 3> layouts;
};

// How "次へ" presents a problem layout differently from the table.
struct AfterNext {
    struct LineText {
        int line; // counting `line` items from 1
        QString text;
    };
    struct Caption {
        int button; // 1..7
        QString text;
    };
    int problem = 0;
    int layout = 0;
    std::vector<LineText> lines;
    std::vector<LineText> extraLines; // printed right after the given line
    std::vector<Caption> captions;
    Source source;
};

// One drawing operation of a lecture page, as written in the transcription.
struct Operation {
    enum class Kind {
        Text, Graph, Speech, Print, PrintOn, Exponent, Column, ColumnOn, NewLine,
        Colour, Y, X, Clear, Scale, Line, Plot, Circle, SpeechLines,
    };
    Kind kind = Kind::Print;
    QString text;                // literals
    std::vector<double> numbers; // in the order written (column, count, colour, coordinates, ...)
    QString formula;             // Plot: F of "y = F"
    Source source;

    QString keyword() const;
};

struct LecturePage {
    int number = 0; // 0 for the introduction
    std::vector<Operation> operations;
};

struct Lecture {
    int number = 0;
    int firstProblem = 0;
    int lastProblem = 0;
    int pageCount = 0;
    LecturePage introduction;
    std::vector<LecturePage> pages;
    Source source;
};

struct Course {
    std::vector<Problem> problems;
    std::vector<AfterNext> afterNext;
    std::vector<Lecture> lectures;

    const Problem *problem(int number) const;
    const ProblemLayout *layout(int problem, int layout) const;
    const Lecture *lecture(int number) const;
    // Problem p in layout k as "次へ" presents it: the table's layout with
    // the after-next differences applied; nothing outside the course.
    std::optional<ProblemLayout> afterNextLayout(int problem, int layout) const;
};

// Reads the four transcription files of a directory. Every line that the
// format does not allow is an error, named by file and line.
struct ReadResult {
    Course course;
    QStringList errors;
};
ReadResult readDirectory(const QString &directory);

// The transcription under tests/content/transcription/, read once. A
// transcription that does not read ends the test program with its errors.
const Course &course();

// The correct button (1..7) of problem p in layout k, as the transcription
// gives it; 0 outside the course.
int correctButton(int problem, int layout);

} // namespace piyota::transcription
