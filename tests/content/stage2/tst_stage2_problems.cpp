#include "course.h"
#include "content/problem_checks.h"
#include "stage2/stage2.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace piyota::content;

namespace {

// Problems 26-30 print their formula below an opening line, lower down.
std::vector<int> stage2PrintPositions(int problem, int /*layout*/)
{
    return {problem <= 25 ? 550 : 780};
}

} // namespace

class Stage2ProblemsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void problemsSixteenToThirtyInOrder();
    void everyLayoutHasSevenCaptionsAndAFairAnswer();
    void questionsFollowThePrintingRules();
    void afterNextVariantsOnlyRewrapReachableProblems();

    void onlyProblems26To30OpenWithATextLine();
};

void Stage2ProblemsTest::problemsSixteenToThirtyInOrder()
{
    PIYOTA_VERIFY_NO_FAULTS(checks::numberingFaults(stage2Problems(), 16, 15));
}

void Stage2ProblemsTest::everyLayoutHasSevenCaptionsAndAFairAnswer()
{
    PIYOTA_VERIFY_NO_FAULTS(checks::captionFaults(stage2Problems()));
}

void Stage2ProblemsTest::questionsFollowThePrintingRules()
{
    PIYOTA_VERIFY_NO_FAULTS(checks::questionFaults(stage2Problems(), stage2PrintPositions));
}

void Stage2ProblemsTest::afterNextVariantsOnlyRewrapReachableProblems()
{
    PIYOTA_VERIFY_NO_FAULTS(checks::variantFaults(stage2Problems(), stage2AfterNextVariants()));
}

void Stage2ProblemsTest::onlyProblems26To30OpenWithATextLine()
{
    for (const Problem &problem : stage2Problems()) {
        for (const ProblemLayout &layout : problem.layouts) {
            QVERIFY(!layout.question.empty());
            const auto opening = problem.number >= 26 ? QuestionItem::Kind::Line
                                                      : QuestionItem::Kind::Exponent;
            QVERIFY2(layout.question.front().kind == opening,
                     qPrintable(u"problem %1"_s.arg(problem.number)));
        }
    }
}

QTEST_GUILESS_MAIN(Stage2ProblemsTest)
#include "tst_stage2_problems.moc"
