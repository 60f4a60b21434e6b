// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lectures/lecture.h"
#include "content/reader/formula.h"
#include "content/reader/transcription.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace piyota;
namespace written = piyota::transcription;

namespace {

namespace draw = content::draw;
using WrittenKind = written::Operation::Kind;

// A page as it draws: a start without a panel marker draws on the text
// panel, and consecutive new lines are one run of them, so that "newline
// 2" and two "newline 1" compare alike.
content::Page normalised(const content::Page &page)
{
    content::Page result;
    const bool marked = !page.empty() && std::holds_alternative<draw::ToPanel>(page.front());
    if (!marked)
        result.push_back(content::op::text());
    for (const content::CanvasOp &op : page) {
        const auto *newLines = std::get_if<draw::NewLines>(&op);
        auto *run = result.empty() ? nullptr : std::get_if<draw::NewLines>(&result.back());
        if (newLines && run)
            run->count += newLines->count;
        else
            result.push_back(op);
    }
    return result;
}

std::vector<written::Operation> normalised(const std::vector<written::Operation> &operations)
{
    std::vector<written::Operation> result;
    const bool marked = !operations.empty()
        && (operations.front().kind == WrittenKind::Text || operations.front().kind == WrittenKind::Graph
            || operations.front().kind == WrittenKind::Speech);
    if (!marked)
        result.push_back({WrittenKind::Text, {}, {}, {}, operations.empty() ? written::Source{} : operations.front().source});
    for (const written::Operation &op : operations) {
        if (op.kind == WrittenKind::NewLine && !result.empty() && result.back().kind == WrittenKind::NewLine)
            result.back().numbers[0] += op.numbers[0];
        else
            result.push_back(op);
    }
    return result;
}

bool near(double a, double b)
{
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
}

QString number(double value)
{
    return QString::number(value, 'g', 12);
}

QString quoted(const QString &text)
{
    return u"\""_s + text + u"\""_s;
}

QString numbers(std::initializer_list<double> values)
{
    QStringList words;
    for (double value : values)
        words << number(value);
    return words.join(u' ');
}

QString printed(const draw::Print &op)
{
    return (op.continued ? u"print-on "_s : u"print "_s) + quoted(op.text);
}

// The program's operation written as the transcription writes it, one line
// each; a formula line with squares is the exponent line, the print
// position and the formula line; a plot is said without its curve, which is
// compared by value.
QStringList describe(const content::CanvasOp &op)
{
    return std::visit(
        content::Overloaded{
            [](const draw::ToPanel &to) {
                switch (to.panel) {
                case draw::Panel::Text: return QStringList{u"text"_s};
                case draw::Panel::Graph: return QStringList{u"graph"_s};
                case draw::Panel::Speech: return QStringList{u"speech"_s};
                }
                return QStringList();
            },
            [](const draw::SpeechLines &) { return QStringList{u"speech-lines"_s}; },
            [](const draw::Print &op) { return QStringList{printed(op)}; },
            [](const draw::Squared &op) {
                QStringList lines{u"exponent "_s + quoted(op.exponentLine), u"y "_s + number(op.y)};
                if (op.x)
                    lines << u"x "_s + number(*op.x);
                return lines << printed(op.line);
            },
            [](const draw::NewLines &op) { return QStringList{u"newline %1"_s.arg(op.count)}; },
            [](const draw::PrintAtColumn &op) {
                return QStringList{(op.continued ? u"column-on %1 "_s : u"column %1 "_s).arg(op.column) + quoted(op.text)};
            },
            [](const draw::Colour &op) { return QStringList{u"colour %1"_s.arg(op.paletteIndex)}; },
            [](const draw::SetY &op) { return QStringList{u"y "_s + number(op.y)}; },
            [](const draw::SetX &op) { return QStringList{u"x "_s + number(op.x)}; },
            [](const draw::Clear &) { return QStringList{u"clear"_s}; },
            [](const draw::Scale &op) { return QStringList{u"scale "_s + numbers({op.x1, op.y1, op.x2, op.y2})}; },
            [](const draw::Line &op) {
                return QStringList{u"line "_s + numbers({op.x1, op.y1, op.x2, op.y2})
                                   + (op.colour ? u" colour %1"_s.arg(*op.colour) : QString())};
            },
            [](const draw::Plot &op) {
                return QStringList{u"plot "_s + numbers({op.from, op.to, op.step, double(op.colour)})};
            },
            [](const draw::Circle &op) {
                return QStringList{u"circle "_s + numbers({op.x, op.y, op.radius, double(op.colour)})};
            },
        },
        op);
}

// A page of the program line by line as the transcription writes it, each
// line with the plot it says, if any.
struct SaidLine {
    QString text;
    const draw::Plot *plot = nullptr;
};

std::vector<SaidLine> said(const content::Page &page)
{
    std::vector<SaidLine> lines;
    for (const content::CanvasOp &op : page) {
        for (const QString &line : describe(op))
            lines.push_back({line, std::get_if<draw::Plot>(&op)});
    }
    return lines;
}

QString describe(const written::Operation &op)
{
    const auto &n = op.numbers;
    switch (op.kind) {
    case WrittenKind::Print:
    case WrittenKind::PrintOn:
    case WrittenKind::Exponent:
        return op.keyword() + u' ' + quoted(op.text);
    case WrittenKind::Column:
    case WrittenKind::ColumnOn:
        return op.keyword() + u' ' + number(n[0]) + u' ' + quoted(op.text);
    case WrittenKind::Line:
        return u"line "_s + numbers({n[0], n[1], n[2], n[3]})
               + (n.size() > 4 ? u" colour "_s + number(n[4]) : QString());
    default:
        break;
    }
    QStringList words{op.keyword()};
    for (double value : n)
        words << number(value);
    return words.join(u' ');
}

// Where the program's curve leaves the transcription's formula: its value
// at both ends of the range and at three points between.
QString curveDifference(const draw::Plot &op, const written::Operation &expected)
{
    if (!op.curve)
        return u"the program's plot has no curve"_s;
    const double from = expected.numbers[0];
    const double to = expected.numbers[1];
    for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
        const double x = from + t * (to - from);
        const auto y = written::evaluateFormula(expected.formula, x);
        if (!y)
            return u"the transcription's formula %1 does not read"_s.arg(quoted(expected.formula));
        if (!near(op.curve(x), *y))
            return u"at x = %1 the program's curve is %2, y = %3 is %4"_s.arg(number(x), number(op.curve(x)),
                                                                             expected.formula, number(*y));
    }
    return {};
}

// The first place where a page of the program differs from the
// transcription, named by operation number and kind; nothing when alike.
QString pageDifference(const content::Page &page, const written::LecturePage &expectedPage,
                       const written::Source &fallback)
{
    const content::Page normalisedPage = normalised(page);
    const std::vector<SaidLine> shown = said(normalisedPage);
    const std::vector<written::Operation> expected = normalised(expectedPage.operations);
    const std::size_t count = std::max(shown.size(), expected.size());
    for (std::size_t i = 0; i < count; ++i) {
        const QString program = i < shown.size() ? shown[i].text : u"nothing"_s;
        const QString transcribed = i < expected.size() ? describe(expected[i]) : u"nothing"_s;
        const QString where = u"operation %1 (%2, %3)"_s.arg(i + 1).arg(
            i < expected.size() ? expected[i].keyword() : u"none"_s,
            i < expected.size() ? expected[i].source.text() : fallback.text());
        if (program != transcribed)
            return where + u": the program has "_s + program + u", the transcription "_s + transcribed;
        if (shown[i].plot) {
            const QString curve = curveDifference(*shown[i].plot, expected[i]);
            if (!curve.isEmpty())
                return where + u": "_s + curve;
        }
    }
    return {};
}

const content::Lecture *programLecture(int number)
{
    for (const content::Lecture &lecture : content::lectures()) {
        if (lecture.number == number)
            return &lecture;
    }
    return nullptr;
}

} // namespace

// The ten lectures against the transcription of the tables: the problems
// each explains, its page count, and the introduction and every page
// operation by operation, plots by range, step, colour and curve value.
class TranscribedLecturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formulasReadAsTheTablesWriteThem_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("a power binds tighter than a minus") << u"-x ^ 2"_s << 3.0 << -9.0;
        QTest::newRow("a product and a sum") << u"-2 * x ^ 2 + 4 * x - 7"_s << 2.0 << -7.0;
        QTest::newRow("a bracket squared") << u"2 * (x - 2) ^ 2 + 5"_s << 0.0 << 13.0;
        QTest::newRow("a factor written before a bracket") << u"2(x-2)^2+5"_s << 1.0 << 7.0;
        QTest::newRow("a factor written before x") << u"3x^2 - x"_s << -1.0 << 4.0;
        QTest::newRow("a fraction") << u"x ^ 2 / 2 - 0.5"_s << 3.0 << 4.0;
    }

    void formulasReadAsTheTablesWriteThem()
    {
        QFETCH(QString, formula);
        QFETCH(double, x);
        QFETCH(double, y);
        const auto value = written::evaluateFormula(formula, x);
        QVERIFY(value);
        QCOMPARE(*value, y);
    }

    void formulasThatDoNotReadAreRefused()
    {
        for (const QString &formula : {u"x ^"_s, u"(x + 1"_s, u"2 y"_s, u""_s})
            QVERIFY2(!written::evaluateFormula(formula, 1), qPrintable(formula));
    }

    void lecturesInTheirOrder()
    {
        const auto &shown = content::lectures();
        const auto &expected = written::course().lectures;
        QCOMPARE(shown.size(), expected.size());
        for (std::size_t i = 0; i < shown.size(); ++i)
            QCOMPARE(shown[i].number, expected[i].number);
    }

    void lectureForEveryProblem()
    {
        for (const written::Lecture &expected : written::course().lectures) {
            const content::Lecture *lecture = programLecture(expected.number);
            const QString where = u"lecture %1 (%2)"_s.arg(expected.number).arg(expected.source.text());
            QVERIFY2(lecture, qPrintable(where));
            QVERIFY2(lecture->firstProblem == expected.firstProblem && lecture->lastProblem == expected.lastProblem,
                     qPrintable(where + u": the program has problems %1 to %2"_s.arg(lecture->firstProblem)
                                            .arg(lecture->lastProblem)));
            QVERIFY2(int(lecture->pages.size()) == expected.pageCount,
                     qPrintable(where + u": the program has %1 pages"_s.arg(lecture->pages.size())));
            for (int p = expected.firstProblem; p <= expected.lastProblem; ++p) {
                const content::Lecture *found = content::lectureFor(p);
                const QString given = found ? u"lecture %1"_s.arg(found->number) : u"none"_s;
                QVERIFY2(found && found->number == expected.number,
                         qPrintable(where + u", problem %1: the program gives "_s.arg(p) + given));
            }
        }
    }

    void noLectureOutsideTheProblems()
    {
        const auto &expected = written::course().lectures;
        QVERIFY(!expected.empty());
        QCOMPARE(content::lectureFor(expected.front().firstProblem - 1), nullptr);
        QCOMPARE(content::lectureFor(expected.back().lastProblem + 1), nullptr);
    }

    void everyPage_data()
    {
        QTest::addColumn<int>("lecture");
        QTest::addColumn<int>("page"); // 0: the introduction
        for (const written::Lecture &lecture : written::course().lectures) {
            QTest::addRow("lecture %d introduction", lecture.number) << lecture.number << 0;
            for (const written::LecturePage &page : lecture.pages)
                QTest::addRow("lecture %d page %d", lecture.number, page.number) << lecture.number << page.number;
        }
    }

    void everyPage()
    {
        QFETCH(int, lecture);
        QFETCH(int, page);
        const written::Lecture *expected = written::course().lecture(lecture);
        const content::Lecture *shown = programLecture(lecture);
        QVERIFY(expected && shown);
        if (page > int(shown->pages.size()))
            QFAIL(qPrintable(u"lecture %1 page %2: the program has no such page"_s.arg(lecture).arg(page)));
        const content::Page &ops = page == 0 ? shown->introduction : shown->pages[std::size_t(page - 1)];
        const written::LecturePage &expectedPage =
            page == 0 ? expected->introduction : expected->pages[std::size_t(page - 1)];
        const QString difference = pageDifference(ops, expectedPage, expected->source);
        if (!difference.isEmpty()) {
            const QString where = page == 0 ? u"introduction"_s : u"page %1"_s.arg(page);
            QFAIL(qPrintable(u"lecture %1 %2, %3"_s.arg(lecture).arg(where, difference)));
        }
    }
};

QTEST_GUILESS_MAIN(TranscribedLecturesTest)
#include "tst_transcribed_lectures.moc"
