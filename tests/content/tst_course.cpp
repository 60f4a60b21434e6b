#include "content/course.h"
#include "content/stage1/stage1.h"
#include "content/stage2/stage2.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace piyota::content;

namespace {

// A layout written out entry by entry, so that two layouts compare as lists
// and a failure shows the first entry that differs.
QStringList described(const ProblemLayout &layout)
{
    QStringList entries;
    for (const QuestionItem &item : layout.question) {
        switch (item.kind) {
        case QuestionItem::Kind::Line:
            entries << u"line "_s + item.text;
            break;
        case QuestionItem::Kind::Exponent: {
            QString digits = u"exponent"_s;
            for (const ExponentDigit &digit : item.digits)
                digits += u" %1:%2"_s.arg(digit.spacesBefore).arg(digit.digit);
            entries << digits;
            break;
        }
        case QuestionItem::Kind::PrintPosition:
            entries << u"print at %1"_s.arg(item.printY);
            break;
        }
    }
    for (std::size_t b = 0; b < layout.captions.size(); ++b)
        entries << u"Command%1 %2"_s.arg(b + 1).arg(layout.captions[b]);
    entries << u"correct %1"_s.arg(layout.correctButton);
    return entries;
}

const ProblemLayout *tableLayout(int problem, int layout)
{
    for (const auto *problems : {&stage1Problems(), &stage2Problems()}) {
        for (const Problem &candidate : *problems) {
            if (candidate.number == problem)
                return &candidate.layouts.at(std::size_t(layout - 1));
        }
    }
    return nullptr;
}

bool hasVariant(int problem, int layout)
{
    for (const auto *variants : {&stage1AfterNextVariants(), &stage2AfterNextVariants()}) {
        for (const AfterNextVariant &variant : *variants) {
            if (variant.problem == problem && variant.layout == layout)
                return true;
        }
    }
    return false;
}

void addEveryLayout()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("layout");
    for (int p = kFirstProblem; p <= kLastProblem; ++p) {
        for (int k = 1; k <= kLayoutCount; ++k)
            QTest::addRow("problem %d layout %d", p, k) << p << k;
    }
}

} // namespace

class CourseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titleWritesSmallNumbersFullWidth_data();
    void titleWritesSmallNumbersFullWidth();
    void nothingOutsideTheCourse_data();
    void nothingOutsideTheCourse();

    void activationShowsTheTables_data();
    void activationShowsTheTables();
    void afterNextDiffersWhereAVariantIsListed_data();
    void afterNextDiffersWhereAVariantIsListed();
    void afterNextReplacesLinesInPlace_data();
    void afterNextReplacesLinesInPlace();
    void afterNextReplacesCaptions_data();
    void afterNextReplacesCaptions();

    void answerKeyNamesOneOfTheSevenChoices_data();
    void answerKeyNamesOneOfTheSevenChoices();
    void answerKeyEdgeCases_data();
    void answerKeyEdgeCases();
    void problem30TellsAllRealsFromNoSolution();
};

void CourseTest::titleWritesSmallNumbersFullWidth_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("title");

    QTest::newRow("first") << 1 << u"　【問題１】"_s;
    QTest::newRow("last full-width") << 9 << u"　【問題９】"_s;
    QTest::newRow("first half-width") << 10 << u"　【問題10】"_s;
    QTest::newRow("last") << 30 << u"　【問題30】"_s;
}

void CourseTest::titleWritesSmallNumbersFullWidth()
{
    QFETCH(int, problem);
    QFETCH(QString, title);

    QCOMPARE(problemTitle(problem), title);
}

void CourseTest::nothingOutsideTheCourse_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("layout");

    QTest::newRow("problem 0") << 0 << 1;
    QTest::newRow("problem 31") << 31 << 1;
    QTest::newRow("layout 0") << 1 << 0;
    QTest::newRow("layout 4") << 30 << 4;
}

void CourseTest::nothingOutsideTheCourse()
{
    QFETCH(int, problem);
    QFETCH(int, layout);

    QVERIFY(!presentedLayout(problem, layout, Presentation::OnActivation));
    QVERIFY(!presentedLayout(problem, layout, Presentation::AfterNext));
    QVERIFY(!correctButton(problem, layout));
}

void CourseTest::activationShowsTheTables_data()
{
    addEveryLayout();
}

void CourseTest::activationShowsTheTables()
{
    QFETCH(int, problem);
    QFETCH(int, layout);

    const auto shown = presentedLayout(problem, layout, Presentation::OnActivation);
    const ProblemLayout *table = tableLayout(problem, layout);
    QVERIFY(shown && table);
    QCOMPARE(described(*shown), described(*table));
}

void CourseTest::afterNextDiffersWhereAVariantIsListed_data()
{
    addEveryLayout();
}

void CourseTest::afterNextDiffersWhereAVariantIsListed()
{
    QFETCH(int, problem);
    QFETCH(int, layout);

    const auto activated = presentedLayout(problem, layout, Presentation::OnActivation);
    const auto afterNext = presentedLayout(problem, layout, Presentation::AfterNext);
    QVERIFY(activated && afterNext);
    if (hasVariant(problem, layout))
        QVERIFY(described(*afterNext) != described(*activated));
    else
        QCOMPARE(described(*afterNext), described(*activated));
}

// The replaced lines are given by their place among all question items, so
// that exponent lines and print positions must stay where they were.
void CourseTest::afterNextReplacesLinesInPlace_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("firstItem");
    QTest::addColumn<int>("replacedItems");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("problem 2 layout 3: one line") << 2 << 3 << 2 << 1
        << QStringList{u"　　　　２次関数 ｙ＝ａｘ   のグラフは、ａ＞０ のときどうなるか。"_s};
    QTest::newRow("problem 12 layout 1: the third and fourth line") << 12 << 1 << 4 << 2
        << QStringList{u"　　　　①に入る適当なものを下の解答群から１つ選び、クリック"_s,
                       u"　　　　しなさい。"_s};
    QTest::newRow("problem 12 layout 2: four lines") << 12 << 2 << 2 << 4
        << QStringList{u"　　　　２次関数 ｙ＝３(ｘ＋１)   のグラフは、①のグラフをｘ軸方"_s,
                       u"　　　　向に平行移動したものである。"_s,
                       u"　　　　①に入る適当なものを下の解答群から１つ選び、クリック"_s,
                       u"　　　　しなさい。"_s};
    QTest::newRow("problem 23 layout 2: an extra line") << 23 << 2 << 3 << 1
        << QStringList{u"　　　　フをｘ軸方向に①、ｙ軸方向に②、平行移動したもので"_s,
                       u"        ある。"_s};
}

void CourseTest::afterNextReplacesLinesInPlace()
{
    QFETCH(int, problem);
    QFETCH(int, layout);
    QFETCH(int, firstItem);
    QFETCH(int, replacedItems);
    QFETCH(QStringList, lines);

    auto expected = presentedLayout(problem, layout, Presentation::OnActivation);
    QVERIFY(expected && firstItem + replacedItems <= int(expected->question.size()));
    auto &items = expected->question;
    const auto at = items.erase(items.begin() + firstItem,
                                items.begin() + firstItem + replacedItems);
    std::vector<QuestionItem> replacement;
    for (const QString &text : lines)
        replacement.push_back(line(text));
    items.insert(at, replacement.begin(), replacement.end());

    const auto afterNext = presentedLayout(problem, layout, Presentation::AfterNext);
    QVERIFY(afterNext);
    QCOMPARE(described(*afterNext), described(*expected));
}

void CourseTest::afterNextReplacesCaptions_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("problem 22 layout 3: all but Command7") << 22 << 3
        << QStringList{u"ｙ＝－ｘ＾２"_s, u"ｙ＝ｘ＾２"_s, u"ｙ＝２ｘ＾２"_s, u"ｙ＝－２ｘ＾２"_s,
                       u"ｙ＝３ｘ＾２"_s, u"ｙ＝－３ｘ＾２"_s, u"ｙ＝ｘ"_s};
    QTest::newRow("problem 27 layout 3: all seven") << 27 << 3
        << QStringList{u"４ ， ０"_s, u"１ ， －１５"_s, u"３ ， １"_s, u"３ ， －１５"_s,
                       u"１ ， ０"_s, u"４ ， －１５"_s, u"４ ， １"_s};
}

void CourseTest::afterNextReplacesCaptions()
{
    QFETCH(int, problem);
    QFETCH(int, layout);
    QFETCH(QStringList, captions);

    auto expected = presentedLayout(problem, layout, Presentation::OnActivation);
    QVERIFY(expected && captions.size() == kChoiceCount);
    std::copy(captions.begin(), captions.end(), expected->captions.begin());

    const auto afterNext = presentedLayout(problem, layout, Presentation::AfterNext);
    QVERIFY(afterNext);
    QCOMPARE(described(*afterNext), described(*expected));
}

void CourseTest::answerKeyNamesOneOfTheSevenChoices_data()
{
    addEveryLayout();
}

// Command8 ("その他") is never the answer; both presentations judge alike.
void CourseTest::answerKeyNamesOneOfTheSevenChoices()
{
    QFETCH(int, problem);
    QFETCH(int, layout);

    const auto key = correctButton(problem, layout);
    QVERIFY(key);
    QVERIFY2(*key >= 1 && *key <= kChoiceCount, qPrintable(u"button %1"_s.arg(*key)));
    const ProblemLayout *table = tableLayout(problem, layout);
    QVERIFY(table);
    QCOMPARE(*key, table->correctButton);
    for (const Presentation how : {Presentation::OnActivation, Presentation::AfterNext}) {
        const auto shown = presentedLayout(problem, layout, how);
        QVERIFY(shown);
        QCOMPARE(shown->correctButton, *key);
    }
}

void CourseTest::answerKeyEdgeCases_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("button");

    QTest::newRow("problem 1 layout 2: （ア）と（オ）") << 1 << 2 << 6;
    QTest::newRow("problem 24 layout 1") << 24 << 1 << 6;
    QTest::newRow("problem 24 layout 2") << 24 << 2 << 5;
    QTest::newRow("problem 24 layout 3: the vertex on Command7") << 24 << 3 << 7;
}

void CourseTest::answerKeyEdgeCases()
{
    QFETCH(int, problem);
    QFETCH(int, layout);
    QFETCH(int, button);

    QCOMPARE(correctButton(problem, layout).value_or(0), button);
}

void CourseTest::problem30TellsAllRealsFromNoSolution()
{
    const QStringList answers = {u"全ての実数"_s, u"解なし"_s, u"全ての実数"_s};
    for (int layout = 1; layout <= kLayoutCount; ++layout) {
        const auto key = correctButton(30, layout);
        QVERIFY(key && *key >= 1 && *key <= kChoiceCount);
        for (const Presentation how : {Presentation::OnActivation, Presentation::AfterNext}) {
            const auto shown = presentedLayout(30, layout, how);
            QVERIFY(shown);
            QCOMPARE(shown->captions[std::size_t(*key - 1)], answers.at(layout - 1));
        }
    }
}

QTEST_GUILESS_MAIN(CourseTest)
#include "tst_course.moc"
