// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exponent_pairs.h"

#include "recorded_panel.h"
#include "exponent_placement.h"
#include "fonts.h"
#include "geometry.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using namespace piyota;
using namespace piyota::testing;

namespace {

// A column range of ink, both ends included.
struct Span {
    int first;
    int last;
};

// The gaps a formula line leaves for its exponents, as character ranges:
// runs of two or more half-width spaces that follow a non-space character.
std::vector<Span> gapsOf(const QString &formula)
{
    static const QRegularExpression gap(u"(?<=[^ 　]) {2,}"_s);
    std::vector<Span> gaps;
    for (auto it = gap.globalMatch(formula); it.hasNext();) {
        const auto match = it.next();
        gaps.push_back({int(match.capturedStart()), int(match.capturedEnd()) - 1});
    }
    return gaps;
}

// The marks painted on a white box of the question box's size.
QImage imageOf(const std::vector<Mark> &marks)
{
    QImage image(421, 125, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const Mark &mark : marks)
        paintMark(painter, mark);
    return image;
}

// Prints into a box like the question box and reads back which pixel
// columns hold visible ink; anti-aliasing fringes do not count.
class QuestionBox {
public:
    // A line printed alone.
    std::vector<bool> formulaInk(const QString &formula)
    {
        RecordedPanel box(kSize, gothicFont(11.25));
        box.surface().print(formula);
        return inkColumns(box.marks());
    }

    // The formula line as printed under its exponent line, which may widen
    // its gaps.
    std::vector<bool> formulaInk(const QString &exponentLine, const QString &formula)
    {
        const std::vector<Mark> marks = squaredMarks(exponentLine, formula);
        return inkColumns({marks.back()});
    }

    std::vector<bool> exponentInk(const QString &exponentLine, const QString &formula)
    {
        std::vector<Mark> marks = squaredMarks(exponentLine, formula);
        marks.pop_back();
        return inkColumns(marks);
    }

    // Half a full-width character: as far as a digit past the formula's end
    // may stand from it and still read as its exponent.
    static int nearby() { return gothicFont(11.25).pixelSize() / 2; }

private:
    static constexpr QSizeF kSize{421, 125};

    // The digits, then the formula line printed a line below them.
    static std::vector<Mark> squaredMarks(const QString &exponentLine, const QString &formula)
    {
        RecordedPanel box(kSize, gothicFont(11.25));
        box.surface().printSquared({exponentLine, 225, {formula}, {}});
        return box.marks();
    }

    static std::vector<bool> inkColumns(const std::vector<Mark> &marks)
    {
        const QImage image = imageOf(marks);
        std::vector<bool> ink(std::size_t(image.width()), false);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                ink[std::size_t(x)] = ink[std::size_t(x)] || qGray(image.pixel(x, y)) < 128;
        }
        return ink;
    }
};

std::vector<Span> inkSpans(const std::vector<bool> &ink)
{
    std::vector<Span> spans;
    for (int x = 0; x < int(ink.size()); ++x) {
        if (!ink[std::size_t(x)])
            continue;
        if (!spans.empty() && spans.back().last == x - 1)
            spans.back().last = x;
        else
            spans.push_back({x, x});
    }
    return spans;
}

std::optional<int> lastInk(const std::vector<bool> &ink)
{
    const auto spans = inkSpans(ink);
    return spans.empty() ? std::nullopt : std::optional<int>(spans.back().last);
}

std::optional<int> firstInkAfter(const std::vector<bool> &ink, int x)
{
    for (int column = x + 1; column < int(ink.size()); ++column) {
        if (ink[std::size_t(column)])
            return column;
    }
    return std::nullopt;
}

// Where each digit of an exponent line shows over its formula line, and
// why it does not stand over the gap that is its own.
QStringList placementFaults(QuestionBox &box, const QString &exponentLine, const QString &formula)
{
    const QString digits = exponentDigits(exponentLine);
    const std::vector<bool> formulaInk = box.formulaInk(exponentLine, formula);
    const std::vector<Span> shown = inkSpans(box.exponentInk(exponentLine, formula));
    if (shown.size() != std::size_t(digits.size()))
        return {u"%1 digits show apart instead of %2"_s.arg(shown.size()).arg(digits.size())};

    const std::vector<Span> gaps = gapsOf(formula);
    QStringList faults;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const Span digit = shown[k];
        const QString which = u"digit %1 \"%2\" at columns %3-%4: "_s.arg(k + 1)
                                  .arg(digits[qsizetype(k)])
                                  .arg(digit.first)
                                  .arg(digit.last);
        for (int x = digit.first; x <= digit.last; ++x) {
            if (formulaInk[std::size_t(x)]) {
                faults << which + u"over the formula's ink at column %1"_s.arg(x);
                break;
            }
        }
        // A digit without text after its gap stands right after what precedes it.
        std::optional<int> after;
        std::optional<int> before;
        if (k < gaps.size()) {
            // The formula's ink on either side of the digit; a narrow gap is
            // widened, which moves what follows it to the right, never by
            // more than a digit's room per gap.
            const int middle = (digit.first + digit.last) / 2;
            before = lastInk(std::vector<bool>(formulaInk.begin(), formulaInk.begin() + middle));
            after = firstInkAfter(formulaInk, middle);
            const int ownText = lastInk(box.formulaInk(formula.left(gaps[k].first))).value_or(-1);
            if (before.value_or(-1) < ownText || before.value_or(-1) > ownText + int(k + 1) * QuestionBox::nearby())
                faults << which + u"not over its own gap, after the text that ends at %1"_s.arg(ownText);
        } else {
            before = k > 0 ? std::max(shown[k - 1].last, lastInk(formulaInk).value_or(-1))
                           : lastInk(formulaInk);
        }
        const int from = before.value_or(-1);
        if (digit.first <= from)
            faults << which + u"not after the text it belongs to, which ends at %1"_s.arg(from);
        if (after && digit.last >= *after)
            faults << which + u"not before the text after its gap, from %1"_s.arg(*after);
        if (!after && digit.first > from + QuestionBox::nearby())
            faults << which + u"too far from the text it belongs to, which ends at %1"_s.arg(from);
    }
    return faults;
}

} // namespace

class ExponentPlacementTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyExponentOfTheCourseStandsOverItsGap();
    void everyExponentOfTheLecturesStandsOverItsGap();

    void digitStandsInItsGap_data();
    void digitStandsInItsGap();
    void digitWithoutAGapFollowsTheFormula();
    void narrowGapIsWidenedToKeepTheDigitClear();
    void aGapIsWidenedOnlyByWhatItLacks();
    void digitsStandAtMostHalfALineAboveTheirFormula();
};

void ExponentPlacementTest::everyExponentOfTheCourseStandsOverItsGap()
{
    QuestionBox box;
    QStringList faults;
    const std::vector<ExponentPair> pairs = questionExponentPairs();
    QCOMPARE(pairs.size(), transcribedQuestionExponentCount());
    for (const ExponentPair &pair : pairs) {
        QVERIFY2(!pair.formula.isEmpty(), qPrintable(pair.where));
        for (const QString &fault : placementFaults(box, pair.exponentLine, pair.formula))
            faults << pair.where + u": "_s + fault;
    }
    // QFAIL, unlike QVERIFY2, does not cut a long message short.
    if (!faults.isEmpty())
        QFAIL(qPrintable(faults.join(u'\n')));
}

void ExponentPlacementTest::everyExponentOfTheLecturesStandsOverItsGap()
{
    QuestionBox box;
    QStringList faults;
    const std::vector<ExponentPair> pairs = lectureExponentPairs();
    QCOMPARE(pairs.size(), transcribedLectureExponentCount());
    for (const ExponentPair &pair : pairs) {
        QVERIFY2(!pair.formula.isEmpty(), qPrintable(pair.where));
        for (const QString &fault : placementFaults(box, pair.exponentLine, pair.formula))
            faults << pair.where + u": "_s + fault;
    }
    if (!faults.isEmpty())
        QFAIL(qPrintable(faults.join(u'\n')));
}

void ExponentPlacementTest::digitStandsInItsGap_data()
{
    QTest::addColumn<QString>("exponentLine");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("beforeGap");

    QTest::newRow("three-space gap") << u"     2"_s << u"ｙ＝ａｘ   のグラフ"_s << 0 << u"ｙ＝ａｘ"_s;
    QTest::newRow("leading half-width indentation is no gap")
        << u"            2"_s << u"        ｙ＝ｘ  ＋１"_s << 0 << u"        ｙ＝ｘ"_s;
    // A gap too narrow for its digit is widened; these gaps are wide enough.
    QTest::newRow("second digit in the second gap, at the end")
        << u"    2    3"_s << u"ｙ＝ｘ   ＋ｘ   "_s << 1 << u"ｙ＝ｘ   ＋ｘ"_s;
}

void ExponentPlacementTest::digitStandsInItsGap()
{
    QFETCH(QString, exponentLine);
    QFETCH(QString, formula);
    QFETCH(int, digit);
    QFETCH(QString, beforeGap);

    const QFontMetricsF metrics(gothicFont(11.25));
    const std::vector<double> offsets = layoutFormula(metrics, exponentLine, formula).digitOffsets;
    QCOMPARE(qsizetype(offsets.size()), exponentDigits(exponentLine).size());

    qsizetype gapEnd = beforeGap.size();
    while (gapEnd < formula.size() && formula[gapEnd] == u' ')
        ++gapEnd;
    const QRectF ink = metrics.tightBoundingRect(exponentDigits(exponentLine).at(digit));
    const double inkLeft = offsets[std::size_t(digit)] + ink.left();
    QVERIFY2(inkLeft >= metrics.horizontalAdvance(beforeGap), qPrintable(QString::number(inkLeft)));
    QVERIFY2(inkLeft + ink.width() <= metrics.horizontalAdvance(formula.left(gapEnd)),
             qPrintable(QString::number(inkLeft + ink.width())));
}

void ExponentPlacementTest::digitWithoutAGapFollowsTheFormula()
{
    const QFontMetricsF metrics(gothicFont(11.25));
    const QString formula = u"y=3x"_s;
    const std::vector<double> offsets = layoutFormula(metrics, u"    2"_s, formula).digitOffsets;
    QCOMPARE(offsets.size(), std::size_t(1));
    const double end = metrics.horizontalAdvance(formula);
    QVERIFY2(offsets[0] >= end && offsets[0] < end + metrics.horizontalAdvance(u' '),
             qPrintable(u"pen at %1, formula ends at %2"_s.arg(offsets[0]).arg(end)));
}

// In IPA P Gothic, the font behind ours, two half-width spaces are narrower
// than a "2" with room on either side: the formula is drawn with that gap
// widened, and the digit keeps its room from the sign after it.
void ExponentPlacementTest::narrowGapIsWidenedToKeepTheDigitClear()
{
    QFont font = gothicFont(11.25);
    font.setFamilies({u"IPAPGothic"_s});
    const QFontMetricsF metrics(font);
    const QString formula = u"ｙ＝２ｘ  －８ｘ"_s;
    QVERIFY(metrics.horizontalAdvance(u"  "_s) < metrics.tightBoundingRect(u"2"_s).width() + 2);

    RecordedPanel box(QSizeF(421, 125), font);
    box.surface().printSquared({u"          2"_s, 7 * kTwipsPerPixel, {formula}, {}});
    std::vector<Mark> marks = box.marks();
    const QImage both = imageOf(marks);
    marks.pop_back();
    const QImage digitOnly = imageOf(marks);

    // The digit's columns, and the first column of the formula's ink after it.
    int digitRight = -1;
    for (int x = 0; x < digitOnly.width(); ++x)
        for (int y = 0; y < digitOnly.height(); ++y)
            if (qGray(digitOnly.pixel(x, y)) < 192)
                digitRight = x;
    QVERIFY(digitRight > 0);
    int next = -1;
    for (int x = digitRight + 1; x < both.width() && next < 0; ++x)
        for (int y = 0; y < both.height(); ++y)
            if (both.pixel(x, y) != digitOnly.pixel(x, y) && qGray(both.pixel(x, y)) < 192)
                next = x;
    // 1.5 px of room: two clear columns between the inks.
    QVERIFY2(next - digitRight >= 3, qPrintable(u"digit ends at %1, the next sign starts at %2"_s.arg(digitRight).arg(next)));
}

// A digit needs its ink and 1.5 px on either side.
void ExponentPlacementTest::aGapIsWidenedOnlyByWhatItLacks()
{
    const QFontMetricsF metrics(gothicFont(11.25));
    const double room = metrics.tightBoundingRect(u"2"_s).width() + 3;
    const double twoSpaces = metrics.horizontalAdvance(u"  "_s);
    QVERIFY(twoSpaces < room && metrics.horizontalAdvance(u"   "_s) > room);

    const FormulaLayout narrow = layoutFormula(metrics, u"   2"_s, u"ｙ＝ｘ  ＋１"_s);
    QCOMPARE(narrow.widenings.size(), std::size_t(1));
    QCOMPARE(narrow.widenings[0].at, 3);
    QCOMPARE(narrow.widenings[0].pixels, room - twoSpaces);
    QVERIFY(layoutFormula(metrics, u"   2"_s, u"ｙ＝ｘ   ＋１"_s).widenings.empty());
}

// The digits' line is the one before the formula's: a formula printed
// lower still has its digits at most half a line (7.5 px) above it.
void ExponentPlacementTest::digitsStandAtMostHalfALineAboveTheirFormula()
{
    const double ascent = QFontMetricsF(gothicFont(11.25)).ascent();
    const auto digitTop = [&](double formulaY) {
        RecordedPanel box(QSizeF(421, 125), gothicFont(11.25));
        box.surface().printSquared({u"   2"_s, formulaY, {u"ｙ＝ｘ   "_s}, {}});
        return std::get<TextMark>(box.marks().front()).origin.y() - ascent;
    };
    QCOMPARE(digitTop(2 * 225), 30 - 7.5);      // two lines down
    QCOMPARE(digitTop(7 * kTwipsPerPixel), 0.0); // less than half a line down: on its own line
    QCOMPARE(digitTop(8 * kTwipsPerPixel), 0.5);
}

QTEST_MAIN(ExponentPlacementTest)
#include "tst_exponent_placement.moc"
