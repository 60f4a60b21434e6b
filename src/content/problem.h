#pragma once

#include <QString>

#include <array>
#include <initializer_list>
#include <vector>

namespace piyota::content {

// One digit of an exponent line: the half-width spaces in front of it,
// counted from the line start or from the previous digit, and the digit.
struct ExponentDigit {
    int spacesBefore;
    QChar digit = QLatin1Char('2');
};

// One item printed into the question box, in order.
struct QuestionItem {
    enum class Kind {
        Line,          // a text line, printed as it stands
        Exponent,      // the superscript digits of the formula line that follows
        PrintPosition, // sets the box's vertical print position (twips)
    };
    Kind kind;
    QString text;                       // Line
    std::vector<ExponentDigit> digits;  // Exponent
    int printY = 0;                     // PrintPosition
};

inline QuestionItem line(const QString &text)
{
    return {QuestionItem::Kind::Line, text, {}, 0};
}

inline QuestionItem exponent(std::initializer_list<ExponentDigit> digits)
{
    return {QuestionItem::Kind::Exponent, {}, digits, 0};
}

inline QuestionItem printPosition(int twipsY)
{
    return {QuestionItem::Kind::PrintPosition, {}, {}, twipsY};
}

inline constexpr int kChoiceCount = 7; // Command1..Command7; Command8 is always "その他"
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
    // Replaces the text lines from firstLine (0-based, counting Line items
    // only) onwards: replacedCount of them give way to the lines listed,
    // which may be more (an extra line) or as many.
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
