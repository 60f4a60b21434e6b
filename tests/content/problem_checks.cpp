#include "content/problem_checks.h"

#include "course.h"

#include <QRegularExpression>

#include <set>
#include <utility>

namespace piyota::content::checks {

using namespace Qt::StringLiterals;
using Kind = QuestionItem::Kind;

namespace {

QString where(int problem, int layout)
{
    return u"problem %1 layout %2: "_s.arg(problem).arg(layout);
}

QString listed(const std::vector<int> &values)
{
    QStringList texts;
    for (int value : values)
        texts << QString::number(value);
    return texts.join(u", "_s);
}

// Text lines start with four full-width or eight half-width spaces.
bool isIndented(const QString &line)
{
    return line.startsWith(u"　　　　"_s) || line.startsWith(u"        "_s);
}

// The gaps of two or more half-width spaces that a formula line leaves
// for its exponents.
int exponentGaps(const QString &line)
{
    static const QRegularExpression gap(u" {2,}"_s);
    int gaps = 0;
    for (auto match = gap.globalMatch(line); match.hasNext(); match.next())
        ++gaps;
    return gaps;
}

// What a text says, whatever its spacing, its line breaks and the width
// of its parentheses and square signs.
QString wording(QString text)
{
    text.remove(u' ').remove(u'　');
    text.replace(u"＾２"_s, u"^2"_s).replace(u'（', u'(').replace(u'）', u')');
    return text;
}

QStringList textLineFaults(const QString &line, const QString &at)
{
    QStringList faults;
    if (!isIndented(line))
        faults << at + u"text line without its indentation: \"%1\""_s.arg(line);
    if (line.contains(u'^') || line.contains(u'＾'))
        faults << at + u"a square written with a caret in the question: \"%1\""_s.arg(line);
    if (line.contains(u"【問題"_s))
        faults << at + u"the title belongs to the screen: \"%1\""_s.arg(line);
    return faults;
}

QStringList exponentFaults(const std::vector<QuestionItem> &items, std::size_t index,
                           const QString &at)
{
    const QString &exponent = items[index].text;
    QStringList faults;
    static const QRegularExpression digit(u"[0-9]"_s);
    static const QRegularExpression spacesThenDigits(u"^( +[0-9])+$"_s); // a space at least before each digit
    const qsizetype digits = exponent.count(digit);
    if (digits == 0)
        faults << at + u"an exponent line without digits"_s;
    else if (!spacesThenDigits.match(exponent).hasMatch())
        faults << at + u"exponent line \"%1\" holds more than spaces and digits"_s.arg(exponent);
    if (index + 2 >= items.size() || items[index + 1].kind != Kind::PrintPosition
        || items[index + 2].kind != Kind::Line) {
        faults << at + u"an exponent line not followed by a print position and a formula line"_s;
        return faults;
    }
    const QString &formula = items[index + 2].text;
    if (exponentGaps(formula) != digits)
        faults << at + u"\"%1\" leaves %2 gaps for %3 exponents"_s.arg(formula)
                           .arg(exponentGaps(formula))
                           .arg(digits);
    return faults;
}

QStringList layoutQuestionFaults(const ProblemLayout &layout, const std::vector<int> &expected,
                                 const QString &at)
{
    QStringList faults;
    std::vector<int> positions;
    const std::vector<QuestionItem> &items = layout.question;
    for (std::size_t i = 0; i < items.size(); ++i) {
        switch (items[i].kind) {
        case Kind::Line:
            faults << textLineFaults(items[i].text, at);
            break;
        case Kind::Exponent:
            faults << exponentFaults(items, i, at);
            break;
        case Kind::PrintPosition:
            positions.push_back(items[i].printY);
            if (i == 0 || items[i - 1].kind != Kind::Exponent)
                faults << at + u"a print position that follows no exponent line"_s;
            break;
        }
    }
    if (positions != expected) {
        faults << at + u"print positions %1 instead of %2"_s.arg(listed(positions),
                                                                  listed(expected));
    }
    return faults;
}

QStringList lineEditFaults(const ProblemLayout &layout, const AfterNextVariant &variant,
                           const QString &at)
{
    QStringList faults;
    const QStringList lines = textLines(layout);
    for (const AfterNextVariant::LineEdit &edit : variant.lineEdits) {
        if (edit.firstLine < 0 || edit.replacedCount < 1
            || edit.firstLine + edit.replacedCount > lines.size()) {
            faults << at + u"lines %1 to %2 edited, but the question has %3 text lines"_s
                               .arg(edit.firstLine)
                               .arg(edit.firstLine + edit.replacedCount - 1)
                               .arg(lines.size());
            continue;
        }
        if (int(edit.lines.size()) < edit.replacedCount)
            faults << at + u"a line edit that drops lines"_s;
        const QStringList before = lines.mid(edit.firstLine, edit.replacedCount);
        const QStringList after(edit.lines.begin(), edit.lines.end());
        for (const QString &line : after)
            faults << textLineFaults(line, at);
        if (after == before)
            faults << at + u"a line edit that changes nothing"_s;
        else if (wording(after.join(QString())) != wording(before.join(QString())))
            faults << at + u"after 次へ the lines say \"%1\" instead of \"%2\""_s.arg(
                               after.join(u" / "_s), before.join(u" / "_s));
    }
    return faults;
}

QStringList captionEditFaults(const ProblemLayout &layout, const AfterNextVariant &variant,
                              const QString &at)
{
    QStringList faults;
    std::set<int> buttons;
    for (const AfterNextVariant::CaptionEdit &edit : variant.captionEdits) {
        if (edit.button < 1 || edit.button > kChoiceCount) {
            faults << at + u"caption edit for button %1"_s.arg(edit.button);
            continue;
        }
        if (!buttons.insert(edit.button).second)
            faults << at + u"Command%1 edited twice"_s.arg(edit.button);
        const QString &before = layout.captions[edit.button - 1];
        if (edit.caption == before)
            faults << at + u"Command%1's edit changes nothing"_s.arg(edit.button);
        else if (wording(edit.caption) != wording(before))
            faults << at + u"after 次へ Command%1 says \"%2\" instead of \"%3\""_s.arg(
                               QString::number(edit.button), edit.caption, before);
    }
    return faults;
}

} // namespace

QStringList numberingFaults(const std::vector<Problem> &problems, int firstNumber, int count)
{
    QStringList faults;
    if (int(problems.size()) != count)
        faults << u"%1 problems instead of %2"_s.arg(problems.size()).arg(count);
    for (std::size_t i = 0; i < problems.size(); ++i) {
        if (problems[i].number != firstNumber + int(i))
            faults << u"problem %1 in place %2"_s.arg(problems[i].number).arg(i + 1);
    }
    return faults;
}

QStringList captionFaults(const std::vector<Problem> &problems)
{
    QStringList faults;
    for (const Problem &problem : problems) {
        for (int k = 0; k < kLayoutCount; ++k) {
            const ProblemLayout &layout = problem.layouts[k];
            const QString at = where(problem.number, k + 1);
            const std::set<QString> distinct(layout.captions.begin(), layout.captions.end());
            if (distinct.size() != layout.captions.size())
                faults << at + u"the same caption on two buttons"_s;
            for (const QString &caption : layout.captions) {
                if (caption.isEmpty() || caption.trimmed() != caption)
                    faults << at + u"caption \"%1\" is empty or has stray spaces"_s.arg(caption);
                if (caption == u"その他"_s)
                    faults << at + u"\"その他\" belongs to Command8 only"_s;
            }
            if (layout.correctButton < 1 || layout.correctButton > kChoiceCount)
                faults << at + u"correct button %1"_s.arg(layout.correctButton);
            else if (layout.captions[layout.correctButton - 1] == u"何とも言えない"_s)
                faults << at + u"\"何とも言えない\" given as the correct answer"_s;
        }
    }
    return faults;
}

QStringList questionFaults(const std::vector<Problem> &problems,
                           const PrintPositionRule &expectedPositions)
{
    QStringList faults;
    for (const Problem &problem : problems) {
        for (int k = 0; k < kLayoutCount; ++k) {
            faults << layoutQuestionFaults(problem.layouts[k],
                                           expectedPositions(problem.number, k + 1),
                                           where(problem.number, k + 1));
        }
    }
    return faults;
}

QStringList variantFaults(const std::vector<Problem> &problems,
                          const std::vector<AfterNextVariant> &variants)
{
    QStringList faults;
    std::set<std::pair<int, int>> seen;
    for (const AfterNextVariant &variant : variants) {
        const QString at = where(variant.problem, variant.layout);
        if (!seen.insert({variant.problem, variant.layout}).second)
            faults << at + u"listed twice"_s;
        if ((variant.problem - 1) % 5 == 0)
            faults << at + u"a group's first problem is never presented by 次へ"_s;
        if (variant.lineEdits.empty() && variant.captionEdits.empty())
            faults << at + u"a variant without edits"_s;
        const ProblemLayout *layout = findLayout(problems, variant.problem, variant.layout);
        if (!layout) {
            faults << at + u"no such problem or layout"_s;
            continue;
        }
        faults << lineEditFaults(*layout, variant, at) << captionEditFaults(*layout, variant, at);
    }
    return faults;
}

const ProblemLayout *findLayout(const std::vector<Problem> &problems, int problem, int layout)
{
    if (layout < 1 || layout > kLayoutCount)
        return nullptr;
    for (const Problem &candidate : problems) {
        if (candidate.number == problem)
            return &candidate.layouts[layout - 1];
    }
    return nullptr;
}

QStringList textLines(const ProblemLayout &layout)
{
    QStringList lines;
    for (const QuestionItem &item : layout.question) {
        if (item.kind == Kind::Line)
            lines << item.text;
    }
    return lines;
}

} // namespace piyota::content::checks
