// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "course.h"
#include "overloaded.h"
#include "content/reader/transcription.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace piyota;
namespace written = piyota::transcription;

namespace {

using WrittenKind = written::QuestionItem::Kind;

QString quoted(const QString &text)
{
    return u"\""_s + text + u"\""_s;
}

// The items of a question, said the same way whether the program or the
// transcription holds them, one line each, so that the two can be compared
// as text: a formula line says its exponent line and print position first.
QStringList described(const std::vector<content::QuestionItem> &items)
{
    QStringList lines;
    const auto line = [](const content::Print &print) {
        return (print.continued ? u"line-on "_s : u"line "_s) + quoted(print.text);
    };
    for (const content::QuestionItem &item : items) {
        std::visit(content::Overloaded{
                       [&](const content::Print &print) { lines << line(print); },
                       [&](const content::Squared &formula) {
                           lines << u"exponent "_s + quoted(formula.exponentLine) << u"y %1"_s.arg(formula.y);
                           if (formula.x)
                               lines << u"x %1"_s.arg(*formula.x);
                           lines << line(formula.line);
                       },
                   },
                   item);
    }
    return lines;
}

QString described(const written::QuestionItem &item)
{
    switch (item.kind) {
    case WrittenKind::Line:
        return u"line "_s + quoted(item.text);
    case WrittenKind::Exponent:
        return u"exponent "_s + quoted(item.text);
    case WrittenKind::PrintPosition:
        return u"y %1"_s.arg(item.printY);
    }
    return {};
}

// Every place where the program's presentation of a layout differs from
// the transcription, each named by what it is and where the transcription
// writes it.
QStringList differences(int problem, const content::ProblemLayout &shown, const written::ProblemLayout &expected)
{
    QStringList found;
    const auto differ = [&found](const QString &what, const QString &program, const QString &transcribed,
                                 const written::Source &source) {
        found << u"%1: the program has %2, the transcription %3 (%4)"_s.arg(what, program, transcribed,
                                                                             source.text());
    };
    if (content::problemTitle(problem) != expected.title)
        differ(u"title"_s, quoted(content::problemTitle(problem)), quoted(expected.title), expected.source);

    const QStringList program = described(shown.question);
    const auto items = std::max(std::size_t(program.size()), expected.items.size());
    int textLine = 0;
    for (std::size_t i = 0; i < items; ++i) {
        const QString said = i < std::size_t(program.size()) ? program[qsizetype(i)] : u"nothing"_s;
        const QString transcribed = i < expected.items.size() ? described(expected.items[i]) : u"nothing"_s;
        if (i < expected.items.size() && expected.items[i].kind == WrittenKind::Line)
            ++textLine;
        if (said == transcribed)
            continue;
        const written::Source source = i < expected.items.size() ? expected.items[i].source : expected.source;
        differ(u"item %1 (text line %2)"_s.arg(i + 1).arg(textLine), said, transcribed, source);
        break; // the items after a missing or extra one all differ
    }
    for (std::size_t b = 0; b < expected.captions.size(); ++b) {
        if (shown.captions[b] != expected.captions[b])
            differ(u"Command%1"_s.arg(b + 1), quoted(shown.captions[b]), quoted(expected.captions[b]),
                   expected.source);
    }
    return found;
}

} // namespace

// Every problem in every layout, as the quiz screen's activation and as
// "次へ" present it, against the transcription of the tables: the title,
// the question line by line (exponent lines and print positions included),
// the seven captions and the answer key.
class TranscribedProblemsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyLayout_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("layout");
        for (int p = 1; p <= 30; ++p) {
            for (int k = 1; k <= 3; ++k)
                QTest::addRow("problem %d layout %d", p, k) << p << k;
        }
    }

    void everyLayout()
    {
        QFETCH(int, problem);
        QFETCH(int, layout);
        const written::ProblemLayout *table = written::course().layout(problem, layout);
        const auto afterNext = written::course().afterNextLayout(problem, layout);
        QVERIFY(table && afterNext);

        QStringList found;
        const struct {
            content::Presentation how;
            const written::ProblemLayout &expected;
            QString name;
        } presentations[] = {
            {content::Presentation::OnActivation, *table, u"on activation"_s},
            {content::Presentation::AfterNext, *afterNext, u"after 次へ"_s},
        };
        for (const auto &presentation : presentations) {
            const auto shown = content::presentedLayout(problem, layout, presentation.how);
            if (!shown) {
                found << presentation.name + u": the program presents nothing"_s;
                continue;
            }
            for (const QString &difference : differences(problem, *shown, presentation.expected))
                found << presentation.name + u", "_s + difference;
        }
        if (!found.isEmpty())
            QFAIL(qPrintable(u"problem %1 layout %2:\n"_s.arg(problem).arg(layout) + found.join(u'\n')));
    }

    // Both quiz screens judge against this key; Command8 is never in it.
    void answerKey_data() { everyLayout_data(); }

    void answerKey()
    {
        QFETCH(int, problem);
        QFETCH(int, layout);
        const int expected = written::correctButton(problem, layout);
        QVERIFY2(expected >= 1 && expected <= 7, "the transcription names Command1 to Command7");
        QVERIFY2(content::correctButton(problem, layout) == expected,
                 qPrintable(u"problem %1 layout %2: the program's key is Command%3, the transcription's "
                            u"Command%4 (%5)"_s.arg(problem)
                                .arg(layout)
                                .arg(content::correctButton(problem, layout).value_or(0))
                                .arg(expected)
                                .arg(written::course().layout(problem, layout)->source.text())));
    }

    void nothingOutsideTheCourse()
    {
        for (const auto &[problem, layout] : std::initializer_list<std::pair<int, int>>{{0, 1}, {31, 1}, {1, 0}, {30, 4}}) {
            QVERIFY(!content::correctButton(problem, layout));
            QVERIFY(!content::presentedLayout(problem, layout, content::Presentation::OnActivation));
            QVERIFY(!content::presentedLayout(problem, layout, content::Presentation::AfterNext));
        }
    }
};

QTEST_GUILESS_MAIN(TranscribedProblemsTest)
#include "tst_transcribed_problems.moc"
