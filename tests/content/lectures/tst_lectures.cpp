#include "content/lectures/lecture.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace piyota::content;

namespace {

using Kind = CanvasOp::Kind;

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
    void circlesMarkTheTouchingPoint();

};

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

QTEST_GUILESS_MAIN(LecturesTest)
#include "tst_lectures.moc"
