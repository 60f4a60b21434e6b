#include "content/lectures/lecture.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace piyota::content;

namespace {

using Kind = CanvasOp::Kind;

// The lecture a problem calls up: five problems each for lectures 1 to 5,
// then one problem each for lectures 6 to 10.
int expectedLecture(int problemNo)
{
    if (problemNo < 1 || problemNo > 30)
        return 0;
    return problemNo <= 25 ? (problemNo - 1) / 5 + 1 : problemNo - 20;
}

bool near(double a, double b)
{
    return std::fabs(a - b) < 1e-9;
}

bool isPanel(Kind kind)
{
    return kind == Kind::ToText || kind == Kind::ToGraph || kind == Kind::ToSpeech;
}

bool isPalette(int colour)
{
    return colour == 0 || colour == 2 || colour == 9 || colour == 10 || colour == 12;
}

bool isDigitLine(const QString &text)
{
    static const QRegularExpression digitLine(u"^[ 0-9]*[0-9][ 0-9]*$"_s);
    return digitLine.match(text).hasMatch();
}

// One page of a lecture in reading order; page 0 is the introduction.
struct PageRef {
    const Lecture *lecture;
    int number;
    const Page *ops;

    QString where(std::size_t op) const
    {
        return u"lecture %1, page %2, op %3"_s.arg(lecture->number).arg(number).arg(op);
    }
};

std::vector<PageRef> pagesOf(const Lecture &lecture)
{
    std::vector<PageRef> pages{{&lecture, 0, &lecture.introduction}};
    for (std::size_t i = 0; i < lecture.pages.size(); ++i)
        pages.push_back({&lecture, int(i) + 1, &lecture.pages[i]});
    return pages;
}

std::vector<PageRef> everyPage()
{
    std::vector<PageRef> all;
    for (const Lecture &lecture : lectures()) {
        const auto pages = pagesOf(lecture);
        all.insert(all.end(), pages.begin(), pages.end());
    }
    return all;
}

const Page &pageOf(int lecture, int page)
{
    const Lecture &l = lectures().at(lecture - 1);
    return page == 0 ? l.introduction : l.pages.at(page - 1);
}

// The panel each operation of a page draws on.
std::vector<Kind> panelsOf(const Page &page)
{
    std::vector<Kind> panels;
    Kind panel = Kind::ToText;
    for (const CanvasOp &op : page) {
        if (isPanel(op.kind))
            panel = op.kind;
        panels.push_back(panel);
    }
    return panels;
}

// The lines a page prints into one panel, as they read on the screen:
// continued pieces joined, a new line without text as an empty line.
QStringList printedLines(const Page &page, Kind panel)
{
    QStringList lines;
    QString open;
    const auto panels = panelsOf(page);
    for (std::size_t i = 0; i < page.size(); ++i) {
        const CanvasOp &op = page[i];
        if (panels[i] != panel)
            continue;
        switch (op.kind) {
        case Kind::Print:
        case Kind::PrintContinued:
        case Kind::Exponent:
        case Kind::AtColumn:
            open += op.text;
            if (op.kind != Kind::PrintContinued && !op.continued) {
                lines << open;
                open.clear();
            }
            break;
        case Kind::NewLines:
            for (int n = 0; n < op.count; ++n) {
                lines << open;
                open.clear();
            }
            break;
        default:
            break;
        }
    }
    return lines;
}

const CanvasOp &nthPlot(const Page &page, int n)
{
    for (const CanvasOp &op : page) {
        if (op.kind == Kind::Plot && n-- == 0)
            return op;
    }
    qFatal("no such plot");
}

} // namespace

class LecturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lectureFor_data();
    void lectureFor();
    void lecturesCoverProblemsOneToThirtyOnce();
    void pageCounts_data();
    void pageCounts();

    void everyPageNamesItsPanelFirst();
    void introductionsEndWithTheSpeechLines();
    void exponentsStandOverAFormula();
    void onlyFivePaletteColours();
    void textPanelPositionsMoveDownUntilCleared();

    void everyScaleIsFollowedByItsAxes();
    void plotsLieInsideTheirScale();
    void plotSteps();
    void highlightsLieOverTheirBaseCurve();
    void curvesAreParabolas();
    void curveValues_data();
    void curveValues();
    void circlesMarkTheTouchingPoint();

    void completeTexts_data();
    void completeTexts();
};

void LecturesTest::lectureFor_data()
{
    QTest::addColumn<int>("problemNo");
    for (int problemNo = 0; problemNo <= 31; ++problemNo)
        QTest::addRow("problem %d", problemNo) << problemNo;
}

void LecturesTest::lectureFor()
{
    QFETCH(int, problemNo);
    const Lecture *lecture = piyota::content::lectureFor(problemNo);
    const int expected = expectedLecture(problemNo);
    if (expected == 0) {
        QCOMPARE(lecture, nullptr);
        return;
    }
    QVERIFY(lecture);
    QCOMPARE(lecture->number, expected);
    QCOMPARE(lecture, &lectures().at(expected - 1));
}

void LecturesTest::lecturesCoverProblemsOneToThirtyOnce()
{
    const auto &all = lectures();
    QCOMPARE(&all, &lectures());
    QCOMPARE(all.size(), std::size_t(10));
    int nextProblem = 1;
    for (std::size_t i = 0; i < all.size(); ++i) {
        QCOMPARE(all[i].number, int(i) + 1);
        QCOMPARE(all[i].firstProblem, nextProblem);
        QVERIFY(all[i].lastProblem >= all[i].firstProblem);
        nextProblem = all[i].lastProblem + 1;
    }
    QCOMPARE(nextProblem, 31);
}

void LecturesTest::pageCounts_data()
{
    QTest::addColumn<int>("lecture");
    QTest::addColumn<int>("pages");
    const int counts[] = {6, 12, 12, 12, 10, 9, 14, 11, 23, 17};
    for (int i = 0; i < 10; ++i)
        QTest::addRow("lecture %d", i + 1) << i + 1 << counts[i];
}

void LecturesTest::pageCounts()
{
    QFETCH(int, lecture);
    QFETCH(int, pages);
    QCOMPARE(lectures().at(lecture - 1).pages.size(), std::size_t(pages));
}

void LecturesTest::everyPageNamesItsPanelFirst()
{
    for (const PageRef &page : everyPage()) {
        QVERIFY2(!page.ops->empty(), qPrintable(page.where(0)));
        QVERIFY2(isPanel(page.ops->front().kind), qPrintable(page.where(0)));
    }
}

void LecturesTest::introductionsEndWithTheSpeechLines()
{
    for (const PageRef &page : everyPage()) {
        const Page &ops = *page.ops;
        if (page.number == 0) {
            QVERIFY2(ops.size() > 3, qPrintable(page.where(0)));
            QCOMPARE(ops.front().kind, Kind::ToText);
            QCOMPARE(ops[ops.size() - 2].kind, Kind::ToSpeech);
            QCOMPARE(ops.back().kind, Kind::SpeechLines);
            continue;
        }
        // The speech box only ever holds the doctor's greeting.
        for (std::size_t i = 0; i < ops.size(); ++i) {
            QVERIFY2(ops[i].kind != Kind::ToSpeech && ops[i].kind != Kind::SpeechLines,
                     qPrintable(page.where(i)));
        }
    }
}

void LecturesTest::exponentsStandOverAFormula()
{
    int exponents = 0;
    for (const PageRef &page : everyPage()) {
        const Page &ops = *page.ops;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const QString where = page.where(i);
            // A digit line printed and then lowered onto is a square that
            // lost its exponent role.
            if (ops[i].kind == Kind::Print && i + 1 < ops.size() && ops[i + 1].kind == Kind::SetY)
                QVERIFY2(!isDigitLine(ops[i].text), qPrintable(where));
            if (ops[i].kind != Kind::Exponent)
                continue;
            ++exponents;
            QVERIFY2(isDigitLine(ops[i].text), qPrintable(where));
            QVERIFY2(i + 1 < ops.size() && ops[i + 1].kind == Kind::SetY, qPrintable(where));
            std::size_t j = i + 1;
            while (j < ops.size()
                   && (ops[j].kind == Kind::SetY || ops[j].kind == Kind::SetX || ops[j].kind == Kind::Colour))
                ++j;
            QVERIFY2(j < ops.size(), qPrintable(where));
            QVERIFY2(ops[j].kind == Kind::Print || ops[j].kind == Kind::PrintContinued, qPrintable(where));
            QVERIFY2(!isDigitLine(ops[j].text), qPrintable(where));
        }
    }
    QVERIFY(exponents > 100);
}

void LecturesTest::onlyFivePaletteColours()
{
    for (const PageRef &page : everyPage()) {
        const Page &ops = *page.ops;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const CanvasOp &op = ops[i];
            const bool coloured = op.kind == Kind::Colour || op.kind == Kind::Plot || op.kind == Kind::Circle
                || (op.kind == Kind::Line && op.colour != -1);
            if (coloured)
                QVERIFY2(isPalette(op.colour), qPrintable(page.where(i)));
        }
    }
}

void LecturesTest::textPanelPositionsMoveDownUntilCleared()
{
    // The text panel is 3375 twips tall; every formula sits below the one
    // before it until the panel is cleared.
    for (const Lecture &lecture : lectures()) {
        double lastY = 0;
        for (const PageRef &page : pagesOf(lecture)) {
            const Page &ops = *page.ops;
            const auto panels = panelsOf(ops);
            for (std::size_t i = 0; i < ops.size(); ++i) {
                if (panels[i] != Kind::ToText)
                    continue;
                if (ops[i].kind == Kind::Clear)
                    lastY = 0;
                if (ops[i].kind == Kind::SetY) {
                    QVERIFY2(ops[i].y1 > lastY && ops[i].y1 < 3375, qPrintable(page.where(i)));
                    lastY = ops[i].y1;
                }
            }
        }
    }
}

void LecturesTest::everyScaleIsFollowedByItsAxes()
{
    int scales = 0;
    for (const PageRef &page : everyPage()) {
        const Page &ops = *page.ops;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const CanvasOp &s = ops[i];
            if (s.kind != Kind::Scale)
                continue;
            ++scales;
            const QString where = page.where(i);
            QVERIFY2(s.x1 < 0 && 0 < s.x2 && s.y2 < 0 && 0 < s.y1, qPrintable(where));
            QVERIFY2(i + 2 < ops.size(), qPrintable(where));
            const CanvasOp &xAxis = ops[i + 1];
            const CanvasOp &yAxis = ops[i + 2];
            QVERIFY2(xAxis.kind == Kind::Line && yAxis.kind == Kind::Line, qPrintable(where));
            QVERIFY2(near(xAxis.x1, s.x1 + 0.1) && near(xAxis.x2, s.x2 - 0.1) && xAxis.y1 == 0 && xAxis.y2 == 0,
                     qPrintable(where));
            QVERIFY2(near(yAxis.y1, s.y1 - 1) && near(yAxis.y2, s.y2 + 1) && yAxis.x1 == 0 && yAxis.x2 == 0,
                     qPrintable(where));
        }
    }
    QVERIFY(scales >= 10);
}

void LecturesTest::plotsLieInsideTheirScale()
{
    // A scale stays in force across pages, so plots on later pages use the
    // last one set on the graph panel.
    for (const Lecture &lecture : lectures()) {
        const CanvasOp *scale = nullptr;
        for (const PageRef &page : pagesOf(lecture)) {
            const Page &ops = *page.ops;
            for (std::size_t i = 0; i < ops.size(); ++i) {
                if (ops[i].kind == Kind::Scale)
                    scale = &ops[i];
                if (ops[i].kind != Kind::Plot)
                    continue;
                const QString where = page.where(i);
                QVERIFY2(panelsOf(ops)[i] == Kind::ToGraph, qPrintable(where));
                QVERIFY2(scale, qPrintable(where));
                QVERIFY2(ops[i].curve, qPrintable(where));
                QVERIFY2(ops[i].x1 < ops[i].x2, qPrintable(where));
                QVERIFY2(scale->x1 < ops[i].x1 && ops[i].x2 < scale->x2, qPrintable(where));
            }
        }
    }
}

void LecturesTest::plotSteps()
{
    for (const PageRef &page : everyPage()) {
        const Page &ops = *page.ops;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            if (ops[i].kind != Kind::Plot)
                continue;
            const QString where = page.where(i);
            const bool fine = near(ops[i].step, 0.001);
            QVERIFY2(fine || near(ops[i].step, 0.01), qPrintable(where));
            if (fine)
                QVERIFY2(page.lecture->number >= 7, qPrintable(where));
        }
    }
}

void LecturesTest::highlightsLieOverTheirBaseCurve()
{
    // Where only a piece of a curve answers the question, the curve is drawn
    // in light green and the piece again, finer, in red over it.
    int highlights = 0;
    for (const PageRef &page : everyPage()) {
        const Page &ops = *page.ops;
        const CanvasOp *base = nullptr;
        int pieces = 0;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const CanvasOp &op = ops[i];
            if (op.kind != Kind::Plot)
                continue;
            const QString where = page.where(i);
            if (op.colour == 10) {
                QVERIFY2(page.lecture->number >= 7 && page.lecture->number <= 9, qPrintable(where));
                QVERIFY2(near(op.step, 0.01), qPrintable(where));
                base = &op;
                continue;
            }
            if (!base)
                continue;
            ++pieces;
            QVERIFY2(op.colour == 12 && near(op.step, 0.001), qPrintable(where));
            QVERIFY2(base->x1 <= op.x1 && op.x2 <= base->x2, qPrintable(where));
            for (double x : {op.x1, (op.x1 + op.x2) / 2, op.x2})
                QVERIFY2(near(op.curve(x), base->curve(x)), qPrintable(where));
        }
        if (base)
            QVERIFY2(pieces > 0, qPrintable(page.where(0)));
        highlights += pieces;
    }
    QCOMPARE(highlights, 8);
}

void LecturesTest::curvesAreParabolas()
{
    // Every curve is a quadratic: constant, non-zero second differences.
    for (const PageRef &page : everyPage()) {
        const Page &ops = *page.ops;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            if (ops[i].kind != Kind::Plot)
                continue;
            const auto f = ops[i].curve;
            const double second = f(1) - 2 * f(0) + f(-1);
            QVERIFY2(!near(second, 0), qPrintable(page.where(i)));
            QVERIFY2(near(f(3) - 2 * f(2) + f(1), second), qPrintable(page.where(i)));
            QVERIFY2(near(f(-1) - 2 * f(-2) + f(-3), second), qPrintable(page.where(i)));
        }
    }
}

void LecturesTest::curveValues_data()
{
    QTest::addColumn<int>("lecture");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("plot");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");

    QTest::newRow("y = x^2") << 1 << 1 << 0 << 2.0 << 4.0;
    QTest::newRow("y = 3x^2") << 1 << 1 << 2 << -1.0 << 3.0;
    QTest::newRow("y = -(x^2)") << 1 << 3 << 0 << 3.0 << -9.0;
    QTest::newRow("y = -2x^2 - 5") << 2 << 7 << 0 << 1.0 << -7.0;
    QTest::newRow("y = -(x + 2)^2 vertex") << 3 << 7 << 0 << -2.0 << 0.0;
    QTest::newRow("y = -(x + 2)^2 at 0") << 3 << 7 << 0 << 0.0 << -4.0;
    QTest::newRow("y = 2(x - 2)^2 + 5 vertex") << 4 << 1 << 0 << 2.0 << 5.0;
    QTest::newRow("y = 2(x - 2)^2 + 5 at 0") << 4 << 1 << 0 << 0.0 << 13.0;
    QTest::newRow("y = -2x^2 + 4x - 7 vertex") << 5 << 6 << 0 << 1.0 << -5.0;
    QTest::newRow("y = x^2 - 4x - 1 minimum") << 6 << 3 << 0 << 2.0 << -5.0;
    QTest::newRow("y = x^2 - 4x - 1 at 0") << 6 << 3 << 0 << 0.0 << -1.0;
    QTest::newRow("y = -x^2 + 4x + 1 maximum") << 6 << 8 << 0 << 2.0 << 5.0;
    QTest::newRow("y = 2x^2 - 8x + 3 maximum on range") << 7 << 3 << 1 << -2.0 << 27.0;
    QTest::newRow("y = 2x^2 - 8x + 3 minimum on range") << 7 << 3 << 1 << 1.0 << -3.0;
    QTest::newRow("y = -2x^2 + 8x - 3 minimum on range") << 7 << 8 << 1 << -1.0 << -13.0;
    QTest::newRow("y = -2x^2 + 8x - 3 maximum on 3..5") << 7 << 13 << 1 << 3.0 << 3.0;
    QTest::newRow("y = -2x^2 + 8x - 3 minimum on 3..5") << 7 << 13 << 1 << 5.0 << -13.0;
    QTest::newRow("2x^2 + x - 3 root -3/2") << 8 << 3 << 0 << -1.5 << 0.0;
    QTest::newRow("2x^2 + x - 3 root 1") << 8 << 9 << 1 << 1.0 << 0.0;
    QTest::newRow("x^2 - 4x + 4 touches") << 9 << 21 << 0 << 2.0 << 0.0;
    QTest::newRow("x^2 - 4x + 9 vertex") << 10 << 15 << 0 << 2.0 << 5.0;
}

void LecturesTest::curveValues()
{
    QFETCH(int, lecture);
    QFETCH(int, page);
    QFETCH(int, plot);
    QFETCH(double, x);
    QFETCH(double, y);
    QVERIFY(near(nthPlot(pageOf(lecture, page), plot).curve(x), y));
}

void LecturesTest::circlesMarkTheTouchingPoint()
{
    int circles = 0;
    for (const PageRef &page : everyPage()) {
        const Page &ops = *page.ops;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            if (ops[i].kind != Kind::Circle)
                continue;
            ++circles;
            const QString where = page.where(i);
            QVERIFY2(page.lecture->number == 9, qPrintable(where));
            QVERIFY2(ops[i].x1 == 2 && ops[i].y1 == 0 && ops[i].r > 0, qPrintable(where));
            QVERIFY2(near(nthPlot(ops, 0).curve(2), 0), qPrintable(where));
        }
    }
    QCOMPARE(circles, 4);
}

void LecturesTest::completeTexts_data()
{
    QTest::addColumn<int>("lecture");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("graphPanel");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("lecture 1, the axis") << 1 << 4 << false << QStringList{
        QString(),
        u"　　これらのグラフは、ｙ軸に関し"_s,
        u"　て対称になっている。この対称"_s,
        u"　軸のことを単に軸と言い、これ"_s,
        u"　らグラフの軸は全て、ｙ軸である。"_s,
        u"　　ｙ軸を方程式にすると ｘ＝０ "_s,
        u"　である。"_s,
    };
    QTest::newRow("lecture 4, summary") << 4 << 12 << false << QStringList{
        QString(),
        u"                  2"_s,
        u" 【ｙ＝ａ(ｘ－ｐ)   ＋ｑ"_s,
        u"   　　　　　　      ｸﾞﾗﾌのまとめ】"_s,
        QString(),
        u"　　軸の方程式は ｘ＝ｐ である。"_s,
        u"　また、頂点の座標は（ｐ，ｑ）"_s,
        u"　である。"_s,
        QString(),
        u"                   2"_s,
        u"　　ｙ＝ａ(ｘ－ｐ)   ＋ｑ のグラフ"_s,
        u"               2"_s,
        u"　は、ｙ＝ａｘ   のグラフをｘ軸方"_s,
        u"　向に＋ｐ、ｙ軸方向に＋ｑだけ、"_s,
        u"  平行移動したものである｡"_s,
        u"  "_s,
    };
    QTest::newRow("lecture 5, introduction") << 5 << 0 << false << QStringList{
        QString(),
        u"          2"_s,
        u"　　ｙ＝ｘ   －４ｘ＋９ は、"_s,
        u"               2"_s,
        u"　ｙ＝(ｘ－２)   ＋５ と変形できる"_s,
        u"　ので、軸がｘ＝２、頂点が(２，５)"_s,
        u"　の放物線になる。"_s,
        u"　[次へ]をクリックするんじゃ!"_s,
    };
    QTest::newRow("lecture 7, answer of example 2") << 7 << 9 << true
        << QStringList(6, QString()) + QStringList{
               u" グラフの範囲は赤の部分より、"_s,
               u"　　最大値 　５ (ｘ＝２のとき)"_s,
               u"　　最小値 －１３ (ｘ＝－１のとき)"_s,
           };
    QTest::newRow("lecture 8, the roots") << 8 << 2 << false << QStringList{
        u"        2"_s,
        u"　　２ｘ   ＋ｘ－３＝０ を解いて、"_s,
        u"           2"_s,
        u"　 ｙ＝２ｘ   ＋ｘ－３ のグラフと"_s,
        u"　ｘ軸との交点を求めると、"_s,
        u"　　ｘ＝－３／２ ， １"_s,
    };
    QTest::newRow("lecture 9, answer of example 3") << 9 << 17 << true << QStringList{
        u"　　 よって、グラフの赤い部分は"_s,
        u"　 ただ１点だけである。"_s,
        u"　　(答え)  ｘ＝２"_s,
    };
    QTest::newRow("lecture 10, both sides times -1") << 10 << 13 << false << QStringList{
        u" ＜考え方＞"_s,
        u"　　両辺に－１を掛けて、"_s,
        u"        2"_s,
        u"　　　ｘ   －４ｘ＋９≧０　を解く。"_s,
    };
}

void LecturesTest::completeTexts()
{
    QFETCH(int, lecture);
    QFETCH(int, page);
    QFETCH(bool, graphPanel);
    QFETCH(QStringList, lines);
    QCOMPARE(printedLines(pageOf(lecture, page), graphPanel ? Kind::ToGraph : Kind::ToText), lines);
}

QTEST_GUILESS_MAIN(LecturesTest)
#include "tst_lectures.moc"
