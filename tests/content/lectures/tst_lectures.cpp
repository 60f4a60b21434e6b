#include "lectures/lecture.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace piyota::content;

namespace {

using draw::Panel;

bool near(double a, double b)
{
    return std::fabs(a - b) < 1e-9;
}

template <class Operation>
const Operation *as(const CanvasOp &op)
{
    return std::get_if<Operation>(&op);
}

template <class Operation>
bool is(const CanvasOp &op)
{
    return std::holds_alternative<Operation>(op);
}

bool isPanel(const CanvasOp &op, Panel panel)
{
    const auto *to = as<draw::ToPanel>(op);
    return to && to->panel == panel;
}

// The text of a literal printed alone, or nothing.
const QString *printed(const CanvasOp &op)
{
    const auto *print = as<draw::Print>(op);
    return print ? &print->text : nullptr;
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
std::vector<Panel> panelsOf(const Page &page)
{
    std::vector<Panel> panels;
    Panel panel = Panel::Text;
    for (const CanvasOp &op : page) {
        if (const auto *to = as<draw::ToPanel>(op))
            panel = to->panel;
        panels.push_back(panel);
    }
    return panels;
}

const draw::Plot &nthPlot(const Page &page, int n)
{
    for (const CanvasOp &op : page) {
        if (const auto *plot = as<draw::Plot>(op); plot && n-- == 0)
            return *plot;
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
        QVERIFY2(is<draw::ToPanel>(page.ops->front()), qPrintable(page.where(0)));
    }
}

void LecturesTest::introductionsEndWithTheSpeechLines()
{
    for (const PageRef &page : everyPage()) {
        const Page &ops = *page.ops;
        if (page.number == 0) {
            QVERIFY2(ops.size() > 3, qPrintable(page.where(0)));
            QVERIFY2(isPanel(ops.front(), Panel::Text), qPrintable(page.where(0)));
            QVERIFY2(isPanel(ops[ops.size() - 2], Panel::Speech), qPrintable(page.where(ops.size() - 2)));
            QVERIFY2(is<draw::SpeechLines>(ops.back()), qPrintable(page.where(ops.size() - 1)));
            continue;
        }
        // The speech box only ever holds the doctor's greeting.
        for (std::size_t i = 0; i < ops.size(); ++i) {
            QVERIFY2(!isPanel(ops[i], Panel::Speech) && !is<draw::SpeechLines>(ops[i]), qPrintable(page.where(i)));
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
            const auto *print = as<draw::Print>(ops[i]);
            if (print && !print->continued && i + 1 < ops.size() && is<draw::SetY>(ops[i + 1]))
                QVERIFY2(!isDigitLine(print->text), qPrintable(where));
            const auto *exponent = as<draw::Exponent>(ops[i]);
            if (!exponent)
                continue;
            ++exponents;
            QVERIFY2(isDigitLine(exponent->line), qPrintable(where));
            QVERIFY2(i + 1 < ops.size() && is<draw::SetY>(ops[i + 1]), qPrintable(where));
            std::size_t j = i + 1;
            while (j < ops.size() && (is<draw::SetY>(ops[j]) || is<draw::SetX>(ops[j]) || is<draw::Colour>(ops[j])))
                ++j;
            QVERIFY2(j < ops.size(), qPrintable(where));
            QVERIFY2(printed(ops[j]), qPrintable(where));
            QVERIFY2(!isDigitLine(*printed(ops[j])), qPrintable(where));
        }
    }
    QVERIFY(exponents > 100);
}

void LecturesTest::onlyFivePaletteColours()
{
    for (const PageRef &page : everyPage()) {
        const Page &ops = *page.ops;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const std::optional<int> colour = std::visit(
                Overloaded{
                    [](const draw::Colour &op) -> std::optional<int> { return op.paletteIndex; },
                    [](const draw::Plot &op) -> std::optional<int> { return op.colour; },
                    [](const draw::Circle &op) -> std::optional<int> { return op.colour; },
                    [](const draw::Line &op) { return op.colour; },
                    [](const auto &) -> std::optional<int> { return std::nullopt; },
                },
                ops[i]);
            if (colour)
                QVERIFY2(isPalette(*colour), qPrintable(page.where(i)));
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
                if (panels[i] != Panel::Text)
                    continue;
                if (is<draw::Clear>(ops[i]))
                    lastY = 0;
                if (const auto *setY = as<draw::SetY>(ops[i])) {
                    QVERIFY2(setY->y > lastY && setY->y < 3375, qPrintable(page.where(i)));
                    lastY = setY->y;
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
            const auto *scale = as<draw::Scale>(ops[i]);
            if (!scale)
                continue;
            ++scales;
            const draw::Scale &s = *scale;
            const QString where = page.where(i);
            QVERIFY2(s.x1 < 0 && 0 < s.x2 && s.y2 < 0 && 0 < s.y1, qPrintable(where));
            QVERIFY2(i + 2 < ops.size(), qPrintable(where));
            const auto *xAxis = as<draw::Line>(ops[i + 1]);
            const auto *yAxis = as<draw::Line>(ops[i + 2]);
            QVERIFY2(xAxis && yAxis, qPrintable(where));
            QVERIFY2(near(xAxis->x1, s.x1 + 0.1) && near(xAxis->x2, s.x2 - 0.1) && xAxis->y1 == 0 && xAxis->y2 == 0,
                     qPrintable(where));
            QVERIFY2(near(yAxis->y1, s.y1 - 1) && near(yAxis->y2, s.y2 + 1) && yAxis->x1 == 0 && yAxis->x2 == 0,
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
        const draw::Scale *scale = nullptr;
        for (const PageRef &page : pagesOf(lecture)) {
            const Page &ops = *page.ops;
            for (std::size_t i = 0; i < ops.size(); ++i) {
                if (const auto *set = as<draw::Scale>(ops[i]))
                    scale = set;
                const auto *plot = as<draw::Plot>(ops[i]);
                if (!plot)
                    continue;
                const QString where = page.where(i);
                QVERIFY2(panelsOf(ops)[i] == Panel::Graph, qPrintable(where));
                QVERIFY2(scale, qPrintable(where));
                QVERIFY2(plot->curve, qPrintable(where));
                QVERIFY2(plot->from < plot->to, qPrintable(where));
                QVERIFY2(scale->x1 < plot->from && plot->to < scale->x2, qPrintable(where));
            }
        }
    }
}

void LecturesTest::plotSteps()
{
    for (const PageRef &page : everyPage()) {
        const Page &ops = *page.ops;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const auto *plot = as<draw::Plot>(ops[i]);
            if (!plot)
                continue;
            const QString where = page.where(i);
            const bool fine = near(plot->step, 0.001);
            QVERIFY2(fine || near(plot->step, 0.01), qPrintable(where));
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
        const draw::Plot *base = nullptr;
        int pieces = 0;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const auto *plot = as<draw::Plot>(ops[i]);
            if (!plot)
                continue;
            const draw::Plot &op = *plot;
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
            QVERIFY2(base->from <= op.from && op.to <= base->to, qPrintable(where));
            for (double x : {op.from, (op.from + op.to) / 2, op.to})
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
            const auto *plot = as<draw::Plot>(ops[i]);
            if (!plot)
                continue;
            const auto f = plot->curve;
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
            const auto *circle = as<draw::Circle>(ops[i]);
            if (!circle)
                continue;
            ++circles;
            const QString where = page.where(i);
            QVERIFY2(page.lecture->number == 9, qPrintable(where));
            QVERIFY2(circle->x == 2 && circle->y == 0 && circle->radius > 0, qPrintable(where));
            QVERIFY2(near(nthPlot(ops, 0).curve(2), 0), qPrintable(where));
        }
    }
    QCOMPARE(circles, 4);
}

QTEST_GUILESS_MAIN(LecturesTest)
#include "tst_lectures.moc"
