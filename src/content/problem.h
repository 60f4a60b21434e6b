// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printed_text.h"

#include <QString>

#include <array>
#include <initializer_list>
#include <variant>
#include <vector>

namespace piyota::content {

// One item printed into the question box, in order: a text line, or a
// formula line with its exponent line and print position.
using QuestionItem = std::variant<Print, Squared>;

inline QuestionItem line(const QString &text)
{
    return Print{text};
}

// One digit of an exponent line as the problem tables write it: the
// half-width spaces in front of it, counted from the line start or from the
// previous digit, and the digit.
struct ExponentDigit {
    int spacesBefore;
    QChar digit = QLatin1Char('2');
};

// The formula line printed from y = twipsY, under the exponent line that
// the tables' digits spell.
inline QuestionItem squared(std::initializer_list<ExponentDigit> digits, int twipsY, const QString &formula)
{
    QString exponentLine;
    for (const ExponentDigit &digit : digits)
        exponentLine += QString(digit.spacesBefore, QLatin1Char(' ')) + digit.digit;
    return Squared{exponentLine, double(twipsY), {formula}, {}};
}

inline constexpr int kChoiceCount = 7; // Command1..Command7; Command8 is always "その他"
inline const QString kOtherChoiceCaption = QStringLiteral("その他"); // Command8's
inline constexpr int kLayoutCount = 3;

// One answer layout of a problem: a question of its own, seven choice
// captions for Command1..Command7 and the number (1..7) of the correct one.
struct ProblemLayout {
    std::vector<QuestionItem> question;
    std::array<QString, kChoiceCount> captions;
    int correctButton;
};

struct Problem {
    int number; // 1..30
    std::array<ProblemLayout, kLayoutCount> layouts;
};

// A difference in how a problem reads when the "次へ" button presents it
// rather than the screen's activation.
struct AfterNextVariant {
    // Replaces the text lines from firstLine (0-based, counting every
    // printed line, formula lines included, but not exponent lines)
    // onwards: replacedCount of them give way to the lines listed, which may
    // be more (extra lines, printed after them) or as many.
    struct LineEdit {
        int firstLine;
        int replacedCount;
        std::vector<QString> lines;
    };
    struct CaptionEdit {
        int button; // 1..7
        QString caption;
    };
    int problem;
    int layout; // 1..3
    std::vector<LineEdit> lineEdits;
    std::vector<CaptionEdit> captionEdits;
};

} // namespace piyota::content
