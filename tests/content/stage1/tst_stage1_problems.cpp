#include "content/course.h"
#include "content/problem_checks.h"
#include "content/stage1/stage1.h"

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
    void problem1AnswersTheDownwardGraphs();
    void sameCaptionsInEveryLayout_data();
    void sameCaptionsInEveryLayout();

    void textsReadCharacterForCharacter_data();
    void textsReadCharacterForCharacter();
    void exponentLineOfProblem1SpacesItsDigits();
    void afterNextProblem12BreaksItsInstructionLikeProblem8();
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

void Stage1ProblemsTest::problem1AnswersTheDownwardGraphs()
{
    const ProblemLayout *allDownward = checks::findLayout(stage1Problems(), 1, 2);
    const ProblemLayout *whenNegative = checks::findLayout(stage1Problems(), 1, 3);
    QVERIFY(allDownward && whenNegative);

    QCOMPARE(allDownward->correctButton, 6);
    QCOMPARE(allDownward->captions[5], u"（ア）と（オ）"_s);
    QCOMPARE(whenNegative->correctButton, 5);
    QCOMPARE(whenNegative->captions[4], u"上に凸の放物線になる"_s);
}

void Stage1ProblemsTest::sameCaptionsInEveryLayout_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("correctButtons");

    QTest::newRow("problem 7: the parabolas shifted along y")
        << 7
        << QStringList{u"ｙ＝ｘ^2"_s, u"ｙ＝－ｘ^2"_s, u"ｙ＝２ｘ^2"_s, u"ｙ＝－２ｘ^2"_s,
                       u"ｙ＝３ｘ^2"_s, u"ｙ＝－３ｘ^2"_s, u"ｙ＝４ｘ^2"_s}
        << QList<int>{6, 7, 4};
    QTest::newRow("problem 13: the amounts of the shift along x")
        << 13
        << QStringList{u"＋１"_s, u"－１"_s, u"＋２"_s, u"－２"_s,
                       u"＋３"_s, u"－３"_s, u"何とも言えない"_s}
        << QList<int>{5, 2, 6};
}

void Stage1ProblemsTest::sameCaptionsInEveryLayout()
{
    QFETCH(int, problem);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, correctButtons);

    for (int layoutNo = 1; layoutNo <= kLayoutCount; ++layoutNo) {
        const ProblemLayout *layout = checks::findLayout(stage1Problems(), problem, layoutNo);
        QVERIFY(layout);
        QCOMPARE(QStringList(layout->captions.begin(), layout->captions.end()), captions);
        QCOMPARE(layout->correctButton, correctButtons.at(layoutNo - 1));
    }
}

void Stage1ProblemsTest::textsReadCharacterForCharacter_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");

    QTest::newRow("problem 1: formula lines mix both widths of space")
        << 1 << 2 << 2 << u"　　　　(ｱ) ｙ＝－２ｘ  　　(ｲ) ｙ＝ｘ  　　(ｳ) ｙ＝－３ｘ  "_s;
    QTest::newRow("problem 1: a function without exponent before six wide spaces")
        << 1 << 2 << 3 << u"　　　　(ｴ) ｙ＝ｘ　　　　　　(ｵ) ｙ＝－ｘ  "_s;
    QTest::newRow("problem 2: no space before のとき at activation")
        << 2 << 3 << 0 << u"　　　　２次関数 ｙ＝ａｘ   のグラフは、ａ＞０のときどうなるか。"_s;
    QTest::newRow("problem 6: an instruction indented with half-width spaces")
        << 6 << 3 << 3 << u"        クリックしなさい。"_s;
    QTest::newRow("problem 8: a two-space and a three-space gap")
        << 8 << 1 << 0 << u"　　　　２次関数 ｙ＝－３ｘ  －２ のグラフは、ｙ＝－３ｘ   のグラフ"_s;
    QTest::newRow("problem 11: half-width parentheses")
        << 11 << 2 << 0 << u"　　　　２次関数 ｙ＝－ａ(ｘ＋ｐ)   のグラフは、ｙ＝－ａｘ   のグラ"_s;
    QTest::newRow("problem 15: the closing instruction")
        << 15 << 3 << 1 << u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s;
}

void Stage1ProblemsTest::textsReadCharacterForCharacter()
{
    QFETCH(int, problem);
    QFETCH(int, layout);
    QFETCH(int, line);
    QFETCH(QString, text);

    const ProblemLayout *entry = checks::findLayout(stage1Problems(), problem, layout);
    QVERIFY(entry);
    QCOMPARE(checks::textLines(*entry).value(line), text);
}

void Stage1ProblemsTest::exponentLineOfProblem1SpacesItsDigits()
{
    const ProblemLayout *layout = checks::findLayout(stage1Problems(), 1, 2);
    QVERIFY(layout && layout->question.size() > 2);
    QCOMPARE(layout->question[2].kind, Kind::Exponent);
    QCOMPARE(exponentLineText(layout->question[2]),
             QString(24, u' ') + u'2' + QString(15, u' ') + u'2' + QString(20, u' ') + u'3');
}

void Stage1ProblemsTest::afterNextProblem12BreaksItsInstructionLikeProblem8()
{
    const ProblemLayout *problem8 = checks::findLayout(stage1Problems(), 8, 1);
    QVERIFY(problem8);
    for (int layoutNo = 1; layoutNo <= kLayoutCount; ++layoutNo) {
        QVERIFY(checks::findVariant(stage1AfterNextVariants(), 12, layoutNo));
        const auto shown = presentedLayout(12, layoutNo, Presentation::AfterNext);
        QVERIFY(shown);
        const QStringList lines = checks::textLines(*shown);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.mid(2), checks::textLines(*problem8).mid(2));
    }
}

QTEST_GUILESS_MAIN(Stage1ProblemsTest)
#include "tst_stage1_problems.moc"
