// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "font_fit_measures.h"

#include "canvas.h"
#include "graph_labels.h"
#include "course.h"
#include "lectures/lecture.h"
#include "geometry.h"
#include "fakes/progress_files.h"
#include "fakes/test_app.h"
#include "page_player.h"
#include "roulette/wheel_drawing.h"
#include "roulette/wheel_geometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <optional>

namespace piyota::fontfit {

namespace {

namespace draw = content::draw;

constexpr int kGothicPixels = 15;
constexpr int kMinchoPixels = 12;
constexpr double kColumnPixels = 0.4 * kGothicPixels; // the program's text column
// Inner sizes of the panels, in pixels.
constexpr double kQuestionBoxWidth = 6375 / 15 - 4;
constexpr double kLecturePanelWidth = 3375 / 15 - 4;

QFont fontOf(const QString &family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

// A user scale of the graph panel along x, or none (twips).
struct XScale {
    double left = 0;
    double width = 0;
    double pixel(double x) const { return (x - left) / width * kLecturePanelWidth; }
};

// Walks the lectures page by page, collecting their lines, exponent pairs
// and x-axis values with the panel widths and scales they are printed under.
class LectureWalk {
public:
    explicit LectureWalk(CourseTexts &texts) : texts_(texts) {}

    void walk(const content::Lecture &lecture)
    {
        scale_.reset();
        perform(lecture.introduction);
        for (const content::Page &page : lecture.pages)
            perform(page);
    }

private:
    enum Panel { Text, Graph, Speech };

    void perform(const content::Page &page)
    {
        panel_ = Text;
        for (std::size_t i = 0; i < page.size(); ++i) {
            const auto endLineAndStartOver = [this] {
                endLine();
                start_[panel_] = 0;
            };
            std::visit(content::Overloaded{
                           [this](const draw::ToPanel &to) { panel_ = panelOf(to.panel); },
                           [this](const draw::Print &print) { printLine(print); },
                           [this](const draw::Squared &formula) {
                               texts_.exponentPairs.push_back({formula.exponentLine, formula.line.text});
                               if (formula.x)
                                   moveTo(*formula.x);
                               printLine(formula.line);
                           },
                           [&](const draw::NewLines &) { endLineAndStartOver(); },
                           [&](const draw::Clear &) { endLineAndStartOver(); },
                           [this](const draw::SetX &setX) { moveTo(setX.x); },
                           [this](const draw::Scale &scale) { scale_ = XScale{scale.x1, scale.x2 - scale.x1}; },
                           [&](const draw::PrintAtColumn &label) {
                               if (panel_ == Graph)
                                   addAxisValues(page, i, label);
                           },
                           [](const auto &) {},
                       },
                       page[i]);
        }
    }

    static Panel panelOf(draw::Panel panel)
    {
        switch (panel) {
        case draw::Panel::Text: return Text;
        case draw::Panel::Graph: return Graph;
        case draw::Panel::Speech: return Speech;
        }
        return Text;
    }

    void printLine(const draw::Print &print)
    {
        line_[panel_] += print.text;
        if (!print.continued)
            endLine();
    }

    void moveTo(double x)
    {
        if (line_[panel_].isEmpty())
            start_[panel_] = panel_ == Graph && scale_ ? scale_->pixel(x) : x / kTwipsPerPixel;
    }

    void endLine()
    {
        if (!line_[panel_].trimmed().isEmpty()) {
            if (panel_ == Speech)
                texts_.boxLines << line_[panel_];
            else
                texts_.panelLines.push_back({line_[panel_], kLecturePanelWidth - start_[panel_]});
        }
        line_[panel_].clear();
    }

    // The numbers after a run of spaces on a label line, on the scale in
    // force or, before the page's scale, the one it sets.
    void addAxisValues(const content::Page &page, std::size_t index, const draw::PrintAtColumn &op)
    {
        std::optional<XScale> target = scale_;
        for (std::size_t i = index + 1; i < page.size(); ++i) {
            if (const auto *scale = std::get_if<draw::Scale>(&page[i])) {
                target = XScale{scale->x1, scale->x2 - scale->x1};
                break;
            }
        }
        if (!target)
            return;
        const double columnX = (scale_ ? scale_->pixel(0) : 0) + (op.column - 1) * kColumnPixels;
        static const QRegularExpression token(QStringLiteral("(?<=  )[^ ]+"));
        for (auto it = token.globalMatch(op.text); it.hasNext();) {
            const auto match = it.next();
            if (const auto value = numberValue(match.captured()))
                texts_.axisValues.push_back(
                    {op.text.left(match.capturedStart()), match.captured(), columnX, target->pixel(*value)});
        }
    }

    CourseTexts &texts_;
    Panel panel_ = Text;
    std::optional<XScale> scale_;
    QString line_[3];
    double start_[3] = {0, 0, 0};
};

void collectQuestions(CourseTexts &texts)
{
    for (int problem = content::kFirstProblem; problem <= content::kLastProblem; ++problem) {
        texts.panelLines.push_back({content::problemTitle(problem), kQuestionBoxWidth});
        for (int layout = 1; layout <= content::kLayoutCount; ++layout) {
            for (const auto how : {content::Presentation::OnActivation, content::Presentation::AfterNext}) {
                const auto shown = content::presentedLayout(problem, layout, how);
                for (const content::QuestionItem &item : shown->question) {
                    std::visit(content::Overloaded{
                                   [&](const content::Print &line) {
                                       texts.panelLines.push_back({line.text, kQuestionBoxWidth});
                                   },
                                   [&](const content::Squared &formula) {
                                       texts.exponentPairs.push_back({formula.exponentLine, formula.line.text});
                                       texts.panelLines.push_back({formula.line.text, kQuestionBoxWidth});
                                   },
                               },
                               item);
                }
            }
        }
    }
}

struct Gap {
    qsizetype start;
    qsizetype end;
};

// Runs of two or more half-width spaces after a non-space character.
std::vector<Gap> gapsOf(const QString &formula)
{
    static const QRegularExpression gap(QStringLiteral("(?<=[^ 　]) {2,}"));
    std::vector<Gap> gaps;
    for (auto it = gap.globalMatch(formula); it.hasNext();) {
        const auto match = it.next();
        gaps.push_back({match.capturedStart(), match.capturedEnd()});
    }
    return gaps;
}

bool isHalfWidth(QChar c)
{
    return c.unicode() < 0x80 || (c.unicode() >= 0xff61 && c.unicode() <= 0xff9f);
}

// The pixels of an image that are darker than the paper.
std::vector<QPoint> inkOf(const QImage &image, const QRect &within)
{
    std::vector<QPoint> ink;
    for (int y = std::max(0, within.top()); y <= std::min(image.height() - 1, within.bottom()); ++y)
        for (int x = std::max(0, within.left()); x <= std::min(image.width() - 1, within.right()); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                ink.push_back({x, y});
    return ink;
}

// The lines of the mincho boxes as the screens print them: the quiz
// screen's answer heading, hints and warnings, and the doctor's words.
QStringList boxLines()
{
    testing::TestApp app;
    app.course.userCode = QStringLiteral("zq");
    testing::writeBytes(app.filePath(QStringLiteral("zq.ucd")), testing::progressFileAt(1, 0));
    app.navigator.show(ScreenId::Stage1Quiz);
    auto picture = [&](int number) {
        return app.navigator.currentScreen()->findChild<Canvas *>(QStringLiteral("Picture%1").arg(number));
    };
    QStringList lines = picture(2)->printedText().split(QLatin1Char('\n'));
    lines += picture(3)->printedText().split(QLatin1Char('\n'));
    const int wrong = content::correctButton(1, app.course.layoutNo) == 1 ? 2 : 1;
    app.navigator.currentScreen()->findChild<QPushButton *>(QStringLiteral("Command%1").arg(wrong))->click();
    lines += picture(3)->printedText().split(QLatin1Char('\n'));

    const QSizeF panel = lectureTextPanel().drawingSize();
    Surface text(panel, QFont());
    Surface graph(panel, QFont());
    Surface speech(panel, QFont());
    performIntroduction(content::lectures().front(), {text, graph, speech});
    lines += speech.printedText().split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines;
}

} // namespace

CourseTexts collectCourseTexts()
{
    CourseTexts texts;
    collectQuestions(texts);
    LectureWalk walk(texts);
    for (const content::Lecture &lecture : content::lectures())
        walk.walk(lecture);
    texts.boxLines += boxLines();
    return texts;
}

double GothicFit::score() const
{
    return meanDigitError + meanAxisError + 4.0 * linesTooWide / 10 + (1.0 - digitsInGap / 300.0) * 10;
}

GothicFit measureGothic(const QString &family, const CourseTexts &texts)
{
    const QFontMetricsF metrics(fontOf(family, kGothicPixels));
    GothicFit fit{family};
    fit.spaceWidth = metrics.horizontalAdvance(QLatin1Char(' '));

    double digitError = 0;
    int digits = 0;
    for (const ExponentPair &pair : texts.exponentPairs) {
        const std::vector<Gap> gaps = gapsOf(pair.formula);
        std::size_t k = 0;
        for (qsizetype i = 0; i < pair.exponentLine.size(); ++i) {
            if (!pair.exponentLine[i].isDigit())
                continue;
            const QRectF ink = metrics.tightBoundingRect(QString(pair.exponentLine[i]))
                                   .translated(metrics.horizontalAdvance(pair.exponentLine.left(i)), 0);
            double from = metrics.horizontalAdvance(pair.formula);
            double to = from + kGothicPixels / 2.0; // no gap left: right after the formula
            if (k < gaps.size()) {
                from = metrics.horizontalAdvance(pair.formula.left(gaps[k].start));
                to = metrics.horizontalAdvance(pair.formula.left(gaps[k].end));
            }
            ++k;
            ++digits;
            fit.digitsInGap += ink.left() >= from && ink.right() <= to;
            digitError += std::abs(ink.center().x() - (from + to) / 2);
        }
    }
    fit.meanDigitError = digits ? digitError / digits : 0;

    for (const PanelLine &line : texts.panelLines) {
        const double overflow = metrics.horizontalAdvance(line.text) - line.room;
        if (overflow > 0) {
            ++fit.linesTooWide;
            fit.worstOverflow = std::max(fit.worstOverflow, overflow);
        }
    }

    double axisError = 0;
    for (const AxisValue &value : texts.axisValues) {
        const QRectF ink = metrics.tightBoundingRect(value.number);
        const double centre = value.columnX + metrics.horizontalAdvance(value.prefix) + ink.center().x();
        const double error = std::abs(centre - value.targetX);
        axisError += error;
        fit.worstAxisError = std::max(fit.worstAxisError, error);
    }
    fit.meanAxisError = texts.axisValues.empty() ? 0 : axisError / double(texts.axisValues.size());
    return fit;
}

MinchoFit measureMincho(const QString &family, const CourseTexts &texts)
{
    const QFontMetricsF metrics(fontOf(family, kMinchoPixels));
    MinchoFit fit{family};
    fit.fullWidth = metrics.horizontalAdvance(QStringLiteral("あ"));
    fit.halfWidth = metrics.horizontalAdvance(QLatin1Char('a'));
    double total = 0;
    for (const QString &line : texts.boxLines) {
        double pitch = 0;
        for (QChar c : line)
            pitch += isHalfWidth(c) ? kMinchoPixels / 2.0 : kMinchoPixels;
        const double error = std::abs(metrics.horizontalAdvance(line) - pitch);
        total += error;
        fit.worstPitchError = std::max(fit.worstPitchError, error);
    }
    fit.meanPitchError = texts.boxLines.empty() ? 0 : total / double(texts.boxLines.size());
    return fit;
}

// The labels printed as the roulette prints them, and the wheel drawn apart
// on a canvas of the same size: the least distance between the two inks.
RouletteFit measureRoulette(const QString &family)
{
    const QRect geometry = twipsRect(120, 480, 4455, 2895);
    Canvas labels(nullptr, QStringLiteral("labels"), {geometry, fontOf(family, kMinchoPixels)});
    Canvas wheel(nullptr, QStringLiteral("wheel"), {geometry, fontOf(family, kMinchoPixels)});
    for (Canvas *canvas : {&labels, &wheel})
        canvas->surface().setScale(0, 0, roulette::kCanvasWidth, roulette::kCanvasHeight);
    roulette::printSectorLabels(labels.surface());
    roulette::drawWheel(wheel.surface());
    const std::vector<QPoint> lines = inkOf(wheel.image(), wheel.image().rect());

    RouletteFit fit{family, 1e9, {}};
    const QStringList printed = labels.printedText().split(QLatin1Char('\n'));
    const double lineHeight = labels.image().height() * labels.surface().textHeight() / roulette::kCanvasHeight;
    for (int line = 0; line < printed.size(); ++line) {
        if (printed[line].trimmed().isEmpty())
            continue;
        const QRect band(0, int(line * lineHeight), labels.image().width(), int(std::ceil(lineHeight)) + 2);
        for (const QPoint &ink : inkOf(labels.image(), band)) {
            for (const QPoint &dot : lines) {
                const double distance = std::hypot(ink.x() - dot.x(), ink.y() - dot.y());
                if (distance < fit.leastClearance) {
                    fit.leastClearance = distance;
                    fit.tightestLabel = printed[line].trimmed();
                }
            }
        }
    }
    return fit;
}

} // namespace piyota::fontfit
