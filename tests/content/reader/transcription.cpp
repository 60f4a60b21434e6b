// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transcription.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace piyota::transcription {

namespace {

// One meaningful line of a transcription file: its keyword, the words
// after it up to a quoted text, the quoted text, and what follows a " : "
// (a plot's formula).
struct Entry {
    QString keyword;
    QStringList words;
    std::optional<QString> quoted;
    QString afterColon;
    Source source;
};

std::optional<Entry> entryOf(const QString &raw, const Source &source)
{
    QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(u'#'))
        return std::nullopt;
    Entry entry;
    entry.source = source;
    const qsizetype open = line.indexOf(u'"');
    if (open >= 0) {
        const qsizetype close = line.indexOf(u'"', open + 1);
        entry.quoted = line.mid(open + 1, close < 0 ? -1 : close - open - 1);
        if (close < 0)
            entry.quoted.reset(); // an unclosed quote reads as no text, an error below
        line = line.left(open);
    } else {
        line = line.section(u'#', 0, 0); // a note after the item
        const qsizetype colon = line.indexOf(u':');
        if (colon >= 0) {
            entry.afterColon = line.mid(colon + 1).trimmed();
            line = line.left(colon);
        }
    }
    entry.words = line.split(QRegularExpression(u"[\\s,]+"_s), Qt::SkipEmptyParts);
    if (entry.words.isEmpty())
        return std::nullopt;
    entry.keyword = entry.words.takeFirst();
    return entry;
}

class Reader {
public:
    explicit Reader(ReadResult &result) : result_(result) {}

    void readProblems(const QString &fileName, const QStringList &lines)
    {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const auto entry = entryOf(lines[i], {fileName, int(i) + 1});
            if (entry)
                problemEntry(*entry);
        }
    }

    void readLectures(const QString &fileName, const QStringList &lines)
    {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const auto entry = entryOf(lines[i], {fileName, int(i) + 1});
            if (entry)
                lectureEntry(*entry);
        }
    }

private:
    void error(const Entry &entry, const QString &message)
    {
        result_.errors << entry.source.text() + u": "_s + message;
    }

    // The words as numbers; an error when there are not `count` of them
    // (or at least `count` when `orMore`).
    std::optional<std::vector<double>> numbers(const Entry &entry, qsizetype count, bool orMore = false)
    {
        if (entry.words.size() < count || (!orMore && entry.words.size() > count)) {
            error(entry, u"%1 wants %2 number(s)"_s.arg(entry.keyword).arg(count));
            return std::nullopt;
        }
        std::vector<double> values;
        for (const QString &word : entry.words) {
            bool ok = false;
            values.push_back(word.toDouble(&ok));
            if (!ok) {
                error(entry, u"not a number: %1"_s.arg(word));
                return std::nullopt;
            }
        }
        return values;
    }

    std::optional<int> wholeNumber(const Entry &entry)
    {
        const auto values = numbers(entry, 1);
        if (!values)
            return std::nullopt;
        return int((*values)[0]);
    }

    std::optional<QString> quoted(const Entry &entry)
    {
        if (!entry.quoted)
            error(entry, u"%1 wants a quoted text"_s.arg(entry.keyword));
        return entry.quoted;
    }

    // --- problems

    void problemEntry(const Entry &entry)
    {
        const QString &k = entry.keyword;
        if (k == u"problem"_s) {
            afterNext_ = nullptr;
            layout_ = nullptr;
            if (const auto n = wholeNumber(entry)) {
                result_.course.problems.push_back({});
                result_.course.problems.back().number = *n;
                layoutCount_ = 0;
            }
        } else if (k == u"layout"_s) {
            const auto n = wholeNumber(entry);
            if (!n)
                return;
            if (result_.course.problems.empty() || afterNext_ || *n != layoutCount_ + 1 || *n > 3)
                return error(entry, u"layout %1 out of place"_s.arg(*n));
            layout_ = &result_.course.problems.back().layouts[std::size_t(*n - 1)];
            layout_->source = entry.source;
            layoutCount_ = *n;
        } else if (k == u"after-next"_s) {
            layout_ = nullptr;
            if (const auto values = numbers(entry, 2)) {
                result_.course.afterNext.push_back({});
                afterNext_ = &result_.course.afterNext.back();
                afterNext_->problem = int((*values)[0]);
                afterNext_->layout = int((*values)[1]);
                afterNext_->source = entry.source;
            }
        } else if (afterNext_) {
            afterNextEntry(entry);
        } else if (layout_) {
            layoutEntry(entry);
        } else {
            error(entry, u"%1 outside a layout"_s.arg(k));
        }
    }

    void layoutEntry(const Entry &entry)
    {
        const QString &k = entry.keyword;
        if (k == u"title"_s) {
            if (const auto text = quoted(entry))
                layout_->title = *text;
        } else if (k == u"line"_s) {
            if (const auto text = quoted(entry))
                layout_->items.push_back({QuestionItem::Kind::Line, *text, 0, entry.source});
        } else if (k == u"exponent"_s) {
            if (const auto text = exponentLine(entry))
                layout_->items.push_back({QuestionItem::Kind::Exponent, *text, 0, entry.source});
        } else if (k == u"y"_s) {
            if (const auto y = wholeNumber(entry))
                layout_->items.push_back({QuestionItem::Kind::PrintPosition, {}, *y, entry.source});
        } else if (k == u"caption"_s) {
            const auto button = buttonNumber(entry);
            const auto text = quoted(entry);
            if (button && text)
                layout_->captions[std::size_t(*button - 1)] = *text;
        } else if (k == u"correct"_s) {
            if (const auto button = buttonNumber(entry))
                layout_->correct = *button;
        } else {
            error(entry, u"unknown problem item: %1"_s.arg(k));
        }
    }

    void afterNextEntry(const Entry &entry)
    {
        const QString &k = entry.keyword;
        const auto n = numbers(entry, 1);
        const auto text = quoted(entry);
        if (!n || !text)
            return;
        const int number = int((*n)[0]);
        if (k == u"line"_s)
            afterNext_->lines.push_back({number, *text});
        else if (k == u"extra-line"_s)
            afterNext_->extraLines.push_back({number, *text});
        else if (k == u"caption"_s && number >= 1 && number <= 7)
            afterNext_->captions.push_back({number, *text});
        else
            error(entry, u"unknown after-next item: %1 %2"_s.arg(k).arg(number));
    }

    std::optional<int> buttonNumber(const Entry &entry)
    {
        const auto values = numbers(entry, 1);
        if (!values)
            return std::nullopt;
        const int button = int((*values)[0]);
        if (button < 1 || button > 7) {
            error(entry, u"button %1 is not one of 1..7"_s.arg(button));
            return std::nullopt;
        }
        return button;
    }

    // "exponent 24 15 20(3)": for each digit the spaces before it, and the
    // digit in brackets when it is not 2.
    std::optional<QString> exponentLine(const Entry &entry)
    {
        static const QRegularExpression digit(u"^(\\d+)(?:\\((\\d)\\))?$"_s);
        const QString cell = entry.words.join(u' ').replace(QRegularExpression(u"\\s+\\("_s), u"("_s);
        QString text;
        for (const QString &word : cell.split(u' ', Qt::SkipEmptyParts)) {
            const auto match = digit.match(word);
            if (!match.hasMatch()) {
                error(entry, u"not an exponent cell: %1"_s.arg(word));
                return std::nullopt;
            }
            text += QString(match.captured(1).toInt(), u' ');
            text += match.hasCaptured(2) ? match.captured(2) : u"2"_s;
        }
        if (text.isEmpty()) {
            error(entry, u"an empty exponent cell"_s);
            return std::nullopt;
        }
        return text;
    }

    // --- lectures

    void lectureEntry(const Entry &entry)
    {
        const QString &k = entry.keyword;
        if (k == u"lecture"_s) {
            static const QRegularExpression header(u"^(\\d+) problems (\\d+) (\\d+) pages (\\d+)$"_s);
            const auto match = header.match(entry.words.join(u' '));
            if (!match.hasMatch())
                return error(entry, u"a lecture line reads: lecture L problems FIRST LAST pages N"_s);
            result_.course.lectures.push_back({});
            lecture_ = &result_.course.lectures.back();
            lecture_->number = match.captured(1).toInt();
            lecture_->firstProblem = match.captured(2).toInt();
            lecture_->lastProblem = match.captured(3).toInt();
            lecture_->pageCount = match.captured(4).toInt();
            lecture_->source = entry.source;
            page_ = nullptr;
        } else if (!lecture_) {
            error(entry, u"%1 outside a lecture"_s.arg(k));
        } else if (k == u"intro"_s) {
            page_ = &lecture_->introduction;
        } else if (k == u"page"_s) {
            const auto n = wholeNumber(entry);
            if (!n)
                return;
            if (*n != int(lecture_->pages.size()) + 1)
                return error(entry, u"page %1 out of order"_s.arg(*n));
            lecture_->pages.push_back({*n, {}});
            page_ = &lecture_->pages.back();
        } else if (!page_) {
            error(entry, u"%1 outside a page"_s.arg(k));
        } else if (const auto op = operation(entry)) {
            page_->operations.push_back(*op);
        }
    }

    std::optional<Operation> operation(const Entry &entry)
    {
        using Kind = Operation::Kind;
        struct Shape {
            const char16_t *keyword;
            Kind kind;
            int numbers;     // how many numbers come first
            bool orMore;     // more numbers may follow (a line's "colour K")
            bool literal;    // a quoted text follows
        };
        static const Shape shapes[] = {
            {u"text", Kind::Text, 0, false, false},         {u"graph", Kind::Graph, 0, false, false},
            {u"speech", Kind::Speech, 0, false, false},     {u"speech-lines", Kind::SpeechLines, 0, false, false},
            {u"print", Kind::Print, 0, false, true},        {u"print-on", Kind::PrintOn, 0, false, true},
            {u"exponent", Kind::Exponent, 0, false, true},  {u"column", Kind::Column, 1, false, true},
            {u"column-on", Kind::ColumnOn, 1, false, true}, {u"newline", Kind::NewLine, 1, false, false},
            {u"colour", Kind::Colour, 1, false, false},     {u"y", Kind::Y, 1, false, false},
            {u"x", Kind::X, 1, false, false},               {u"clear", Kind::Clear, 0, false, false},
            {u"scale", Kind::Scale, 4, false, false},       {u"line", Kind::Line, 4, true, false},
            {u"plot", Kind::Plot, 4, false, false},         {u"circle", Kind::Circle, 4, false, false},
        };
        for (const Shape &shape : shapes) {
            if (entry.keyword != QStringView(shape.keyword))
                continue;
            Operation op;
            op.kind = shape.kind;
            op.source = entry.source;
            Entry numeric = entry;
            if (shape.kind == Kind::Line && numeric.words.size() == 6 && numeric.words[4] == u"colour"_s)
                numeric.words.removeAt(4);
            else if (shape.kind == Kind::Line && numeric.words.size() != 4) {
                error(entry, u"line wants x1 y1 x2 y2 [colour K]"_s);
                return std::nullopt;
            }
            const auto values = numbers(numeric, shape.numbers, shape.orMore);
            if (!values)
                return std::nullopt;
            op.numbers = *values;
            if (shape.literal) {
                const auto text = quoted(entry);
                if (!text)
                    return std::nullopt;
                op.text = *text;
            }
            if (shape.kind == Kind::Plot) {
                op.formula = entry.afterColon;
                if (op.formula.isEmpty()) {
                    error(entry, u"plot wants FROM TO STEP COLOUR : F"_s);
                    return std::nullopt;
                }
            }
            return op;
        }
        error(entry, u"unknown operation: %1"_s.arg(entry.keyword));
        return std::nullopt;
    }

    ReadResult &result_;
    ProblemLayout *layout_ = nullptr;
    int layoutCount_ = 0;
    AfterNext *afterNext_ = nullptr;
    Lecture *lecture_ = nullptr;
    LecturePage *page_ = nullptr;
};

// What a complete transcription holds: problems 1..30 in order with three
// complete layouts each, after-next blocks for them, lectures 1..10 with
// the pages they announce.
void checkComplete(ReadResult &result)
{
    const Course &course = result.course;
    if (course.problems.size() != 30)
        result.errors << u"%1 problems, not 30"_s.arg(course.problems.size());
    for (std::size_t i = 0; i < course.problems.size(); ++i) {
        const Problem &problem = course.problems[i];
        if (problem.number != int(i) + 1)
            result.errors << u"problem %1 where problem %2 belongs"_s.arg(problem.number).arg(i + 1);
        for (std::size_t k = 0; k < problem.layouts.size(); ++k) {
            const ProblemLayout &layout = problem.layouts[k];
            const QString where = u"problem %1 layout %2"_s.arg(problem.number).arg(k + 1);
            if (layout.title.isEmpty() || layout.correct == 0 || layout.items.empty())
                result.errors << where + u": no title, question or correct button"_s;
            for (std::size_t b = 0; b < layout.captions.size(); ++b) {
                if (layout.captions[b].isEmpty())
                    result.errors << where + u": no caption %1"_s.arg(b + 1);
            }
        }
    }
    for (const AfterNext &block : course.afterNext) {
        if (!course.layout(block.problem, block.layout))
            result.errors << block.source.text() + u": after-next for no layout"_s;
    }
    if (course.lectures.size() != 10)
        result.errors << u"%1 lectures, not 10"_s.arg(course.lectures.size());
    for (std::size_t i = 0; i < course.lectures.size(); ++i) {
        const Lecture &lecture = course.lectures[i];
        if (lecture.number != int(i) + 1)
            result.errors << u"lecture %1 where lecture %2 belongs"_s.arg(lecture.number).arg(i + 1);
        if (int(lecture.pages.size()) != lecture.pageCount)
            result.errors << lecture.source.text()
                    + u": %1 pages announced, %2 written"_s.arg(lecture.pageCount).arg(lecture.pages.size());
    }
}

QStringList linesOf(const QString &path, QStringList &errors)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors << u"cannot read %1"_s.arg(path);
        return {};
    }
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

} // namespace

QStringList ProblemLayout::printedLines() const
{
    QStringList lines{QString(), title};
    for (const QuestionItem &item : items) {
        if (item.kind != QuestionItem::Kind::PrintPosition)
            lines << item.text;
    }
    return lines;
}

QStringList ProblemLayout::textLines() const
{
    QStringList lines;
    for (const QuestionItem &item : items) {
        if (item.kind == QuestionItem::Kind::Line)
            lines << item.text;
    }
    return lines;
}

QString Operation::keyword() const
{
    static const char *const keywords[] = {
        "text", "graph", "speech", "print", "print-on", "exponent", "column", "column-on", "newline",
        "colour", "y", "x", "clear", "scale", "line", "plot", "circle", "speech-lines",
    };
    return QString::fromLatin1(keywords[int(kind)]);
}

const Problem *Course::problem(int number) const
{
    for (const Problem &candidate : problems) {
        if (candidate.number == number)
            return &candidate;
    }
    return nullptr;
}

const ProblemLayout *Course::layout(int problemNumber, int layoutNumber) const
{
    const Problem *found = problem(problemNumber);
    if (!found || layoutNumber < 1 || layoutNumber > 3)
        return nullptr;
    return &found->layouts[std::size_t(layoutNumber - 1)];
}

const Lecture *Course::lecture(int number) const
{
    for (const Lecture &candidate : lectures) {
        if (candidate.number == number)
            return &candidate;
    }
    return nullptr;
}

std::optional<ProblemLayout> Course::afterNextLayout(int problemNumber, int layoutNumber) const
{
    const ProblemLayout *table = layout(problemNumber, layoutNumber);
    if (!table)
        return std::nullopt;
    ProblemLayout shown = *table;
    for (const AfterNext &block : afterNext) {
        if (block.problem != problemNumber || block.layout != layoutNumber)
            continue;
        std::vector<QuestionItem> items;
        int lineNumber = 0;
        for (QuestionItem item : shown.items) {
            if (item.kind != QuestionItem::Kind::Line) {
                items.push_back(item);
                continue;
            }
            ++lineNumber;
            for (const AfterNext::LineText &replaced : block.lines) {
                if (replaced.line == lineNumber) {
                    item.text = replaced.text;
                    item.source = block.source;
                }
            }
            items.push_back(item);
            for (const AfterNext::LineText &extra : block.extraLines) {
                if (extra.line == lineNumber)
                    items.push_back({QuestionItem::Kind::Line, extra.text, 0, block.source});
            }
        }
        shown.items = std::move(items);
        for (const AfterNext::Caption &caption : block.captions)
            shown.captions[std::size_t(caption.button - 1)] = caption.text;
    }
    return shown;
}

ReadResult readDirectory(const QString &directory)
{
    ReadResult result;
    Reader reader(result);
    const QDir dir(directory);
    for (const QString &name : {u"stage1.txt"_s, u"stage2.txt"_s})
        reader.readProblems(name, linesOf(dir.filePath(name), result.errors));
    for (const QString &name : {u"lectures01-05.txt"_s, u"lectures06-10.txt"_s})
        reader.readLectures(name, linesOf(dir.filePath(name), result.errors));
    checkComplete(result);
    return result;
}

const Course &course()
{
    static const Course read = [] {
        ReadResult result = readDirectory(QStringLiteral(PIYOTA_TRANSCRIPTION_DIR));
        if (!result.errors.isEmpty()) {
            std::fprintf(stderr, "The transcription does not read:\n%s\n",
                         qPrintable(result.errors.join(u'\n')));
            std::abort();
        }
        return result.course;
    }();
    return read;
}

int correctButton(int problem, int layout)
{
    const ProblemLayout *found = course().layout(problem, layout);
    return found ? found->correct : 0;
}

} // namespace piyota::transcription
