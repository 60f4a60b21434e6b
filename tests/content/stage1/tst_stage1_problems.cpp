#include "course.h"
#include "content/problem_checks.h"
#include "stage1/stage1.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace piyota::content;

namespace {

using Kind = QuestionItem::Kind;

// Problems 1 and 2 list their layout-2 functions on two formula lines;
// every other stage-1 question has one.
std::vector<int> stage1PrintPositions(int problem, int layout)
{
    if (problem <= 2 && layout == 2)
        return {1000, 1290};
    return {520};
}

std::vector<Kind> kindsOf(const ProblemLayout &layout)
{
    std::vector<Kind> kinds;
    for (const QuestionItem &item : layout.question)
        kinds.push_back(item.kind);
    return kinds;
}

} // namespace

class Stage1ProblemsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void problemsOneToFifteenInOrder();
    void everyLayoutHasSevenCaptionsAndAFairAnswer();
    void questionsFollowThePrintingRules();
    void afterNextVariantsOnlyRewrapReachableProblems();

    void functionListsOfProblems1And2TakeTwoFormulaLines();
};

void Stage1ProblemsTest::problemsOneToFifteenInOrder()
{
    PIYOTA_VERIFY_NO_FAULTS(checks::numberingFaults(stage1Problems(), 1, 15));
}

void Stage1ProblemsTest::everyLayoutHasSevenCaptionsAndAFairAnswer()
{
    PIYOTA_VERIFY_NO_FAULTS(checks::captionFaults(stage1Problems()));
}

void Stage1ProblemsTest::questionsFollowThePrintingRules()
{
    PIYOTA_VERIFY_NO_FAULTS(checks::questionFaults(stage1Problems(), stage1PrintPositions));
}

void Stage1ProblemsTest::afterNextVariantsOnlyRewrapReachableProblems()
{
    PIYOTA_VERIFY_NO_FAULTS(checks::variantFaults(stage1Problems(), stage1AfterNextVariants()));
}

// Every other stage-1 question opens with the exponent line of its formula.
void Stage1ProblemsTest::functionListsOfProblems1And2TakeTwoFormulaLines()
{
    const std::vector<Kind> twoFormulaLines = {
        Kind::Line,     Kind::Line,          Kind::Exponent, Kind::PrintPosition, Kind::Line,
        Kind::Exponent, Kind::PrintPosition, Kind::Line,     Kind::Line,
    };
    for (const Problem &problem : stage1Problems()) {
        for (int k = 0; k < kLayoutCount; ++k) {
            const std::vector<Kind> kinds = kindsOf(problem.layouts[k]);
            QVERIFY(!kinds.empty());
            const bool asExpected = problem.number <= 2 && k == 1
                                        ? kinds == twoFormulaLines
                                        : kinds.front() == Kind::Exponent;
            QVERIFY2(asExpected,
                     qPrintable(u"problem %1 layout %2"_s.arg(problem.number).arg(k + 1)));
        }
    }
}

QTEST_GUILESS_MAIN(Stage1ProblemsTest)
#include "tst_stage1_problems.moc"
