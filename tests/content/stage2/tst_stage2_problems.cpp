#include "content/course.h"
#include "content/problem_checks.h"
#include "content/stage2/stage2.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace piyota::content;

namespace {

// Problems 26-30 print their formula below an opening line, lower down.
std::vector<int> stage2PrintPositions(int problem, int /*layout*/)
{
    return {problem <= 25 ? 550 : 780};
}

const ProblemLayout *stage2Layout(int problem, int layout)
{
    return checks::findLayout(stage2Problems(), problem, layout);
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
    void problem17KeepsItsNonAnswerOnCommand7();
    void problem24OffersTheSameVertexOnCommand7();
    void problem30TellsAllRealsFromNoSolution();

    void textsReadCharacterForCharacter_data();
    void textsReadCharacterForCharacter();
    void afterNextRewrapsLikeTheFirstLayout_data();
    void afterNextRewrapsLikeTheFirstLayout();
    void afterNextProblem22WritesEverySquareFullWidth();
    void afterNextProblem27SeparatesValuesLikeItsOtherLayouts();
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

void Stage2ProblemsTest::problem17KeepsItsNonAnswerOnCommand7()
{
    for (int layoutNo = 1; layoutNo <= kLayoutCount; ++layoutNo) {
        const ProblemLayout *layout = stage2Layout(17, layoutNo);
        QVERIFY(layout);
        QCOMPARE(layout->captions[6], u"何とも言えない"_s);
    }
}

void Stage2ProblemsTest::problem24OffersTheSameVertexOnCommand7()
{
    const QList<int> correctButtons = {6, 5, 7};
    for (int layoutNo = 1; layoutNo <= kLayoutCount; ++layoutNo) {
        const ProblemLayout *layout = stage2Layout(24, layoutNo);
        QVERIFY(layout);
        QCOMPARE(layout->captions[6], u"（－３／４，１７／８）"_s);
        QCOMPARE(layout->correctButton, correctButtons.at(layoutNo - 1));
    }
}

void Stage2ProblemsTest::problem30TellsAllRealsFromNoSolution()
{
    const QStringList answers = {u"全ての実数"_s, u"解なし"_s, u"全ての実数"_s};
    for (int layoutNo = 1; layoutNo <= kLayoutCount; ++layoutNo) {
        const ProblemLayout *layout = stage2Layout(30, layoutNo);
        QVERIFY(layout);
        const QStringList captions(layout->captions.begin(), layout->captions.end());
        QVERIFY(captions.contains(u"全ての実数"_s));
        QVERIFY(captions.contains(u"解なし"_s));
        QCOMPARE(captions.value(layout->correctButton - 1), answers.at(layoutNo - 1));
    }
}

void Stage2ProblemsTest::textsReadCharacterForCharacter_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");

    QTest::newRow("problem 16: two exponent gaps on one line")
        << 16 << 3 << 0 << u"　　　　２次関数 ｙ＝－(ｘ－３)   ＋１ のグラフは、ｙ＝－ｘ   のグラ"_s;
    QTest::newRow("problem 20: the activation breaks after 方程式")
        << 20 << 3 << 1 << u"　　　　を求めよ。"_s;
    QTest::newRow("problem 23: a line indented with half-width spaces")
        << 23 << 1 << 2 << u"        ある。"_s;
    QTest::newRow("problem 27: a formula with its interval")
        << 27 << 2 << 1 << u"　　　　　ｙ＝－ｘ  －２ｘ＋３ (－５≦ｘ≦－３)"_s;
    QTest::newRow("problem 28: five wide spaces and a trailing space")
        << 28 << 1 << 1 << u"　　　　　２ｘ   ＋３ｘ－５＜０ "_s;
    QTest::newRow("problem 30: the closing instruction")
        << 30 << 3 << 2 << u"　　　　下の解答群から適するものを１つ選び、クリックしなさい。"_s;
}

void Stage2ProblemsTest::textsReadCharacterForCharacter()
{
    QFETCH(int, problem);
    QFETCH(int, layout);
    QFETCH(int, line);
    QFETCH(QString, text);

    const ProblemLayout *entry = stage2Layout(problem, layout);
    QVERIFY(entry);
    QCOMPARE(checks::textLines(*entry).value(line), text);
}

void Stage2ProblemsTest::afterNextRewrapsLikeTheFirstLayout_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("sameFrom");

    QTest::newRow("problem 20 layout 3: 求めよ on a line of its own") << 20 << 3 << 1;
    QTest::newRow("problem 23 layout 2: ある on a line of its own") << 23 << 2 << 2;
}

// After "次へ" these layouts break their lines where layout 1 of the
// same problem does, so from line sameFrom on they read as in layout 1.
void Stage2ProblemsTest::afterNextRewrapsLikeTheFirstLayout()
{
    QFETCH(int, problem);
    QFETCH(int, layout);
    QFETCH(int, sameFrom);

    const ProblemLayout *first = stage2Layout(problem, 1);
    const auto shown = presentedLayout(problem, layout, Presentation::AfterNext);
    QVERIFY(first && shown && checks::findVariant(stage2AfterNextVariants(), problem, layout));
    QCOMPARE(checks::textLines(*shown).mid(sameFrom), checks::textLines(*first).mid(sameFrom));
}

void Stage2ProblemsTest::afterNextProblem22WritesEverySquareFullWidth()
{
    for (int layoutNo = 1; layoutNo <= kLayoutCount; ++layoutNo) {
        const ProblemLayout *layout = stage2Layout(22, layoutNo);
        const auto shown = presentedLayout(22, layoutNo, Presentation::AfterNext);
        QVERIFY(layout && shown && checks::findVariant(stage2AfterNextVariants(), 22, layoutNo));
        const auto &captions = shown->captions;
        for (std::size_t i = 0; i < captions.size(); ++i) {
            QVERIFY(!captions[i].contains(u"^2"_s));
            QCOMPARE(captions[i].contains(u"＾２"_s), layout->captions[i].contains(u"^2"_s));
        }
    }
}

void Stage2ProblemsTest::afterNextProblem27SeparatesValuesLikeItsOtherLayouts()
{
    const ProblemLayout *layout = stage2Layout(27, 3);
    const auto shown = presentedLayout(27, 3, Presentation::AfterNext);
    QVERIFY(layout && shown && checks::findVariant(stage2AfterNextVariants(), 27, 3));
    for (const QString &caption : layout->captions)
        QVERIFY(!caption.contains(u" ， "_s));
    for (const QString &caption : shown->captions)
        QCOMPARE(caption.count(u" ， "_s), 1);
}

QTEST_GUILESS_MAIN(Stage2ProblemsTest)
#include "tst_stage2_problems.moc"
