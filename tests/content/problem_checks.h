#pragma once

#include "problem.h"

#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>
#include <vector>

// Checks that every problem set must pass, shared by the stage-1 and
// stage-2 tests. Each *Faults function returns one message per fault it
// finds, so a failing test lists every faulty entry at once.
namespace piyota::content::checks {

// The print positions a layout's question sets, in order.
using PrintPositionRule = std::function<std::vector<int>(int problem, int layout)>;

// The problems are numbered firstNumber, firstNumber + 1, ... and there
// are exactly count of them.
QStringList numberingFaults(const std::vector<Problem> &problems, int firstNumber, int count);

// Seven distinct, non-empty captions without stray spaces at either end,
// none of them Command8's "その他", and a correct button in 1..7 that
// does not say "何とも言えない".
QStringList captionFaults(const std::vector<Problem> &problems);

// Each exponent line holds digits only, is followed by its print position
// and then by the formula line, which leaves one gap of two or more
// half-width spaces per exponent digit; the print positions are those of
// the rule; every text line is indented and writes no "^2".
QStringList questionFaults(const std::vector<Problem> &problems,
                           const PrintPositionRule &expectedPositions);

// Each variant names a layout of a problem that "次へ" can reach (not the
// first of a group of five), at most once; its line edits stay within the
// layout's text lines and its caption edits within Command1..Command7;
// and it changes the presentation without changing the wording, which
// is all the after-"次へ" copy differs in.
QStringList variantFaults(const std::vector<Problem> &problems,
                          const std::vector<AfterNextVariant> &variants);

const ProblemLayout *findLayout(const std::vector<Problem> &problems, int problem, int layout);

// The text lines of a question, without exponent lines and print positions.
QStringList textLines(const ProblemLayout &layout);

} // namespace piyota::content::checks

// Passes when the faults are none; otherwise fails the running test with
// all of them listed (QFAIL, unlike QVERIFY2, does not cut them short).
#define PIYOTA_VERIFY_NO_FAULTS(faults) \
    do { \
        const QStringList found = (faults); \
        if (!found.isEmpty()) \
            QFAIL(qPrintable(found.join(u'\n'))); \
    } while (false)
