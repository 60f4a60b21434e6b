// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ink_watch.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace piyota::testing {

namespace {

// A text may be condensed to fit its panel, but not below this share of
// its width: narrower, a line no longer reads well.
constexpr double kReadableWidth = 0.8;

struct Box {
    int left = 0, top = 0, right = -1, bottom = -1;
};

Box boxOf(const Ink &ink, int width)
{
    Box box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int index : ink) {
        box.left = std::min(box.left, index % width);
        box.right = std::max(box.right, index % width);
        box.top = std::min(box.top, index / width);
        box.bottom = std::max(box.bottom, index / width);
    }
    return box;
}

// The pixels that differ between two images of the same size.
Ink changedPixels(const QImage &before, const QImage &after)
{
    Ink changed;
    const auto rowBytes = std::size_t(after.width()) * 4;
    for (int y = 0; y < after.height(); ++y) {
        const auto *was = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        const auto *is = reinterpret_cast<const QRgb *>(after.constScanLine(y));
        if (std::memcmp(was, is, rowBytes) == 0)
            continue;
        for (int x = 0; x < after.width(); ++x) {
            if (was[x] != is[x])
                changed.push_back(y * after.width() + x);
        }
    }
    return changed;
}

// Column ranges of ink, split where a whole column is empty: the digits of
// an exponent line, one range each.
std::vector<std::pair<int, int>> columnRuns(const Ink &ink, int width)
{
    std::vector<int> columns;
    for (int index : ink)
        columns.push_back(index % width);
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    std::vector<std::pair<int, int>> runs;
    for (int x : columns) {
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.push_back({x, x});
    }
    return runs;
}

const QRegularExpression &numberPattern()
{
    static const QRegularExpression number(QStringLiteral("^(-?\\d+)(?:/(\\d+))?$"));
    return number;
}

bool isNumber(const QString &text)
{
    return numberPattern().match(text.trimmed()).hasMatch();
}

bool isAxisName(const QString &text)
{
    return text == QLatin1String("x") || text == QLatin1String("y");
}

bool isLabelWord(const QString &text)
{
    return isNumber(text) || isAxisName(text);
}

double valueOf(const QString &number)
{
    const auto match = numberPattern().match(number);
    const double value = match.captured(1).toDouble();
    return match.captured(2).isEmpty() ? value : value / match.captured(2).toDouble();
}

// The ink of a label, split into its words where a column or more of
// empty columns lies between them.
std::vector<Ink> wordInks(const Ink &ink, int width, int wordGap)
{
    std::vector<std::pair<int, int>> words;
    for (const auto &run : columnRuns(ink, width)) {
        if (words.empty() || run.first - words.back().second > wordGap)
            words.push_back(run);
        else
            words.back().second = run.second;
    }
    std::vector<Ink> inks(words.size());
    for (int index : ink) {
        for (std::size_t w = 0; w < words.size(); ++w) {
            if (index % width >= words[w].first && index % width <= words[w].second)
                inks[w].push_back(index);
        }
    }
    return inks;
}

// The slack for isClear() that keeps two pixels clear instead of one.
int secondPixel(double ratio)
{
    return int(std::ceil(2 * ratio) - std::ceil(ratio));
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

void InkWatch::watch(Canvas &canvas, Kind kind)
{
    auto panel = std::make_unique<Panel>();
    panel->canvas = &canvas;
    panel->kind = kind;
    panel->before = canvas.image().copy();
    panel->graphics.assign(std::size_t(canvas.image().width() * canvas.image().height()), false);
    Panel *watched = panel.get();
    panels_.push_back(std::move(panel));
    connect(&canvas, &Canvas::drawn, this,
            [this, watched](Drawing what, const QString &text) { onDrawn(*watched, what, text); });
    connect(&canvas, &QObject::destroyed, this, [watched] { watched->canvas = nullptr; });
}

void InkWatch::onDrawn(Panel &panel, Drawing what, const QString &text)
{
    const QImage &after = panel.canvas->image();
    const Ink ink = changedPixels(panel.before, after);
    panel.before = after.copy();
    switch (what) {
    case Drawing::Clear:
        checkLabelsOf(panel);
        checkPointsOf(panel);
        checkOverlaps(panel);
        panel.graphics.assign(panel.graphics.size(), false);
        panel.labelsDrawn.clear();
        panel.textsDrawn.clear();
        panel.pendingExponent.clear();
        break;
    case Drawing::Graphics:
        for (int index : ink)
            panel.graphics[std::size_t(index)] = true;
        break;
    case Drawing::Exponent:
        checkText(panel, text, ink);
        panel.pendingExponent.insert(panel.pendingExponent.end(), ink.begin(), ink.end());
        break;
    case Drawing::Label:
        checkText(panel, text, ink);
        panel.labelsDrawn.push_back({text, ink, place_});
        panel.textsDrawn.push_back({text, ink, place_, false, true});
        break;
    case Drawing::Text:
        checkText(panel, text, ink);
        if (panel.kind == Kind::QuestionBox)
            checkIndentation(panel, text, ink);
        if (isNumber(text)) // a label of a point, printed where the current point is
            panel.labelsDrawn.push_back({text, ink, place_});
        panel.textsDrawn.push_back({text, ink, place_, false, isNumber(text)});
        if (!panel.pendingExponent.empty()) {
            panel.exponentText = text;
            checkExponent(panel, ink);
            Label &formula = panel.textsDrawn.back();
            formula.formula = true;
            formula.ink.insert(formula.ink.end(), panel.pendingExponent.begin(), panel.pendingExponent.end());
            panel.pendingExponent.clear();
        }
        break;
    }
}

void InkWatch::checkText(const Panel &panel, const QString &text, const Ink &ink)
{
    if (text.trimmed().isEmpty())
        return;
    if (ink.empty()) {
        fault(panel, quoted(text) + QStringLiteral(" does not show"));
        return;
    }
    const QImage &image = panel.canvas->image();
    const Box box = boxOf(ink, image.width());
    // Across, a text whose ink reaches the panel's edge is cut there; up and
    // down, lines a full em high may touch the edges of a box as high as
    // they are, and one is cut where it shows less than its whole height.
    const Size natural = naturalInk(*panel.canvas, text);
    const int shownHeight = box.bottom - box.top + 1;
    const bool cutVertically = shownHeight < natural.height - 0.5;
    const QString edge = box.left == 0                                      ? QStringLiteral("left")
                         : box.right == image.width() - 1                   ? QStringLiteral("right")
                         : cutVertically && box.top == 0                    ? QStringLiteral("top")
                         : cutVertically && box.bottom == image.height() - 1 ? QStringLiteral("bottom")
                                                                             : QString();
    if (!edge.isEmpty()) {
        fault(panel, quoted(text) + QStringLiteral(" is cut by the panel's %1 edge").arg(edge));
        return;
    }
    const int shown = box.right - box.left + 1;
    if (shown < kReadableWidth * natural.width - 2)
        fault(panel, quoted(text) + QStringLiteral(" shows %1 % of its width").arg(std::lround(100 * shown / natural.width)));
}

// A line of the question box starts at its left edge, its ink where its
// indentation ends, two half-width spaces to a full-width one, and the
// glyph's own side bearing.
void InkWatch::checkIndentation(const Panel &panel, const QString &text, const Ink &ink)
{
    const QString indented = QString(text).remove(QRegularExpression(QStringLiteral("^[ 　]+")));
    if (indented.isEmpty() || ink.empty())
        return;
    const qsizetype spaces = text.size() - indented.size();
    const double fullWidths = double(spaces - text.left(spaces).count(QLatin1Char(' '))) + text.left(spaces).count(QLatin1Char(' ')) / 2.0;
    const double ratio = panel.canvas->image().devicePixelRatio();
    const double indentation = fullWidths * QFontMetricsF(panel.canvas->font()).horizontalAdvance(QChar(u'　')) * ratio;
    const double expected = indentation + naturalInk(*panel.canvas, indented).left;
    const Box box = boxOf(ink, panel.canvas->image().width());
    if (std::abs(box.left - expected) > ratio) {
        fault(panel, QStringLiteral("%1 starts %2 px from where its indentation ends")
                         .arg(quoted(text))
                         .arg((box.left - expected) / ratio, 0, 'f', 1));
    }
}

void InkWatch::checkExponent(const Panel &panel, const Ink &formula)
{
    const int width = panel.canvas->image().width();
    const double ratio = panel.canvas->image().devicePixelRatio();
    const Box formulaBox = boxOf(formula, width);
    for (const auto &[left, right] : columnRuns(panel.pendingExponent, width)) {
        Ink digit;
        for (int index : panel.pendingExponent) {
            if (index % width >= left && index % width <= right)
                digit.push_back(index);
        }
        // A superscript stands beside the top of its formula: its foot
        // reaches below the formula's top by a tenth of a line or more.
        const Box digitBox = boxOf(digit, width);
        const double overlap = (digitBox.bottom - formulaBox.top) / ratio;
        if (overlap < 0.1 * QFontInfo(panel.canvas->font()).pixelSize()) {
            fault(panel, QStringLiteral("the exponent of %1 floats above it (its foot %2 px below the formula's top)")
                             .arg(quoted(panel.exponentText))
                             .arg(overlap, 0, 'f', 1));
        }
        // The formula's first ink right of the digit's middle.
        int next = INT_MAX;
        for (int index : formula) {
            if (2 * (index % width) > left + right)
                next = std::min(next, index % width);
        }
        if (next != INT_MAX && next - right - 1 < ratio) {
            fault(panel, QStringLiteral("an exponent digit of %1 touches the sign after it")
                             .arg(quoted(panel.exponentText)));
        }
    }
}

void InkWatch::checkLabels()
{
    // A folder named here keeps a picture of each panel as it is checked.
    const QString pictures = qEnvironmentVariable("READABLE_SCREENS_PICTURES");
    for (const auto &panel : panels_) {
        if (!panel->canvas)
            continue;
        panel->scale = scales_.value(panel->canvas->objectName());
        checkLabelsOf(*panel);
        checkOverlaps(*panel);
        if (!pictures.isEmpty())
            panel->canvas->image().save(pictures + QLatin1Char('/') + place_ + QLatin1Char(' ')
                                        + panel->canvas->objectName() + QStringLiteral(".png"));
    }
}

void InkWatch::checkLabelsOf(Panel &panel)
{
    const double column = 0.4 * QFontInfo(panel.canvas->font()).pixelSize() * panel.canvas->image().devicePixelRatio();
    const int shift = int(std::lround(column));
    for (Label &label : panel.labelsDrawn) {
        // A roulette label keeps a pixel more: one white pixel between it and a line still reads as touching.
        const int slack = panel.kind == Kind::Wheel ? secondPixel(panel.canvas->image().devicePixelRatio()) : 0;
        if (label.reported || label.ink.empty() || isClear(panel, label.ink, 0, 0, slack))
            continue;
        if (panel.kind == Kind::Wheel) {
            fault(panel, QStringLiteral("the label %1 comes within two pixels of the wheel's lines").arg(quoted(label.text)));
            label.reported = true;
        } else if (isClear(panel, label.ink, -shift) || isClear(panel, label.ink, shift)) {
            fault(panel, QStringLiteral("the label %1 is struck by an axis or a curve, and one column aside it is not")
                             .arg(quoted(label.text)));
            label.reported = true;
        }
    }
}

// On a graph, each label and curve's formula against the other texts, and
// each formula against the graph.
void InkWatch::checkOverlaps(Panel &panel)
{
    if (!panel.scale)
        return;
    const QImage &image = panel.canvas->image();
    std::vector<int> textAt(std::size_t(image.width() * image.height()), -1);
    for (std::size_t t = 0; t < panel.textsDrawn.size(); ++t) {
        for (int index : panel.textsDrawn[t].ink)
            textAt[std::size_t(index)] = int(t);
    }
    for (std::size_t t = 0; t < panel.textsDrawn.size(); ++t) {
        Label &text = panel.textsDrawn[t];
        if (text.reported || !(text.label || text.formula))
            continue;
        const bool nearAText = !isClearOf(panel, text.ink, [&](int index) {
            return textAt[std::size_t(index)] >= 0 && textAt[std::size_t(index)] != int(t);
        });
        if (nearAText)
            fault(panel, text, QStringLiteral("%1 comes within a pixel of another text").arg(quoted(text.text)));
        const bool onTheGraph =
            text.formula && !isClearOf(panel, text.ink, [&](int index) { return panel.graphics[std::size_t(index)]; });
        if (onTheGraph)
            fault(panel, text, QStringLiteral("the formula %1 comes within a pixel of the graph").arg(quoted(text.text)));
        text.reported = nearAText || onTheGraph;
    }
}

void InkWatch::checkPointLabels()
{
    for (const auto &panel : panels_) {
        if (panel->canvas)
            checkPointsOf(*panel);
    }
}

// Each number of the labels drawn against the point it stands for.
void InkWatch::checkPointsOf(Panel &panel)
{
    if (!panel.scale)
        return;
    const int width = panel.canvas->image().width();
    const double column = 0.4 * QFontInfo(panel.canvas->font()).pixelSize() * panel.canvas->image().devicePixelRatio();
    for (Label &label : panel.labelsDrawn) {
        const QStringList words = label.text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (label.reported || std::none_of(words.begin(), words.end(), isLabelWord))
            continue;
        const std::vector<Ink> inks = wordInks(label.ink, width, int(column));
        if (inks.size() != std::size_t(words.size())) {
            fault(panel, label, QStringLiteral("the words of the label %1 do not stand apart").arg(quoted(label.text)));
            label.reported = true;
            continue;
        }
        for (qsizetype w = 0; w < words.size(); ++w) {
            const Ink &ink = inks[std::size_t(w)];
            const bool placed = isNumber(words[w])   ? standsAtItsPoint(panel, label, words[w], ink)
                                : isAxisName(words[w]) ? standsBesideItsAxis(panel, label, words[w], ink)
                                                       : true;
            label.reported = label.reported || !placed;
        }
    }
}

// A number stands for a point of the graph: an x value on the x axis or a y
// value on the y axis, whichever point it is printed nearer to. Faults are
// reported.
bool InkWatch::standsAtItsPoint(const Panel &panel, const Label &label, const QString &number, const Ink &ink)
{
    const Scale &scale = *panel.scale;
    const QImage &image = panel.canvas->image();
    const double ratio = image.devicePixelRatio();
    const double column = 0.4 * QFontInfo(panel.canvas->font()).pixelSize() * ratio;
    const double line = QFontInfo(panel.canvas->font()).pixelSize() * ratio;
    const double tolerance = 1.5 * ratio;
    // Where the graph comes within two pixels of a number at its point, the
    // number may move off it, as far as it must to keep that much room.
    const int slack = secondPixel(ratio);
    auto across = [&](double x) { return (x - scale.x1) / (scale.x2 - scale.x1) * image.width(); };
    auto down = [&](double y) { return (y - scale.y1) / (scale.y2 - scale.y1) * image.height(); };
    const double value = valueOf(number);
    const Box box = boxOf(ink, image.width());
    const QPointF centre((box.left + box.right + 1) / 2.0, (box.top + box.bottom + 1) / 2.0);
    const QPointF onXAxis(across(value), down(0));
    const QPointF onYAxis(across(0), down(value));
    if (QLineF(centre, onXAxis).length() <= QLineF(centre, onYAxis).length()) {
        // Beside the x axis: at most a line from it.
        const double fromAxis = centre.y() < onXAxis.y() ? onXAxis.y() - box.bottom - 1 : box.top - onXAxis.y();
        if (fromAxis > line + tolerance) {
            fault(panel, label, QStringLiteral("the value %1 stands %2 px from the x axis")
                             .arg(quoted(number))
                             .arg(fromAxis / ratio, 0, 'f', 1));
            return false;
        }
        const double off = onXAxis.x() - centre.x();
        // How far the point lies beside the ink, 0 under it.
        const double beside = std::max({0.0, box.left - onXAxis.x(), onXAxis.x() - box.right - 1});
        if (std::abs(off) > tolerance && (beside > column + tolerance || isClear(panel, ink, int(std::lround(off)), 0, slack))) {
            fault(panel, label, QStringLiteral("the value %1 stands %2 px beside its point x = %3")
                             .arg(quoted(number))
                             .arg(std::abs(off) / ratio, 0, 'f', 1)
                             .arg(number));
            return false;
        }
        // Struck, it could have stood clear anywhere its point lies at most a column beside it.
        const int reach = int(std::floor(box.right - box.left + 1 + column));
        for (int shift = -reach; shift <= reach && !isClear(panel, ink, 0); ++shift) {
            const double movedBeside = std::max({0.0, box.left + shift - onXAxis.x(), onXAxis.x() - box.right - shift - 1});
            if (movedBeside <= column && isClear(panel, ink, shift, 0, slack)) {
                fault(panel, label, QStringLiteral("the value %1 is struck by the graph, and %2 px aside it is not")
                                 .arg(quoted(number))
                                 .arg(shift / ratio, 0, 'f', 1));
                return false;
            }
        }
        return true;
    }
    const double axis = onYAxis.x();
    const double gap = centre.x() < axis ? axis - box.right - 1 : box.left - axis;
    if (gap < 0 || gap > column) {
        fault(panel, label, QStringLiteral("the value %1 does not stand beside the y axis (%2 px from it)")
                         .arg(quoted(number))
                         .arg(gap / ratio, 0, 'f', 1));
        return false;
    }
    const double off = onYAxis.y() - centre.y();
    if (std::abs(off) > tolerance && (std::abs(off) > line + tolerance || isClear(panel, ink, 0, int(std::lround(off)), slack))) {
        fault(panel, label, QStringLiteral("the value %1 stands %2 px off its point y = %3")
                         .arg(quoted(number))
                         .arg(std::abs(off) / ratio, 0, 'f', 1)
                         .arg(number));
        return false;
    }
    // Struck, it could have stood clear anywhere up to a line off its point.
    for (int shift = int(std::ceil(off - line)); shift <= off + line && !isClear(panel, ink, 0); ++shift) {
        if (isClear(panel, ink, 0, shift, slack)) {
            fault(panel, label, QStringLiteral("the value %1 is struck by the graph, and %2 px up or down it is not")
                             .arg(quoted(number))
                             .arg(shift / ratio, 0, 'f', 1));
            return false;
        }
    }
    return true;
}

// An axis's name stands beside its axis: a clear pixel to a line from the
// x axis, a clear pixel to a column from the y axis. Faults are reported.
bool InkWatch::standsBesideItsAxis(const Panel &panel, const Label &label, const QString &name, const Ink &ink)
{
    const Scale &scale = *panel.scale;
    const QImage &image = panel.canvas->image();
    const double ratio = image.devicePixelRatio();
    const double pixels = QFontInfo(panel.canvas->font()).pixelSize() * ratio;
    const Box box = boxOf(ink, image.width());
    double gap = 0;
    double reach = 0;
    if (name == QLatin1String("x")) {
        const double axis = (0 - scale.y1) / (scale.y2 - scale.y1) * image.height();
        gap = (box.top + box.bottom + 1) / 2.0 < axis ? axis - box.bottom - 1 : box.top - axis;
        reach = pixels;
    } else {
        const double axis = (0 - scale.x1) / (scale.x2 - scale.x1) * image.width();
        gap = (box.left + box.right + 1) / 2.0 < axis ? axis - box.right - 1 : box.left - axis;
        reach = 0.4 * pixels;
    }
    if (gap >= ratio && gap <= reach + 1.5 * ratio)
        return true;
    fault(panel, label, QStringLiteral("the axis name %1 stands %2 px from its axis").arg(quoted(name)).arg(gap / ratio, 0, 'f', 1));
    return false;
}

// Whether the ink, moved across by `shift` and down by `down` device
// pixels, stays inside the panel and keeps a pixel (and `slack` device
// pixels more) clear of every line, point and circle.
bool InkWatch::isClear(const Panel &panel, const Ink &ink, int shift, int down, int slack) const
{
    return isClearOf(panel, ink, [&](int index) { return panel.graphics[std::size_t(index)]; }, shift, down, slack);
}

bool InkWatch::isClearOf(const Panel &panel, const Ink &ink, const std::function<bool(int)> &taken, int shift,
                         int down, int slack) const
{
    const QImage &image = panel.canvas->image();
    const int width = image.width();
    const int margin = int(std::ceil(image.devicePixelRatio())) + slack;
    for (int index : ink) {
        const int x = index % width + shift;
        const int y = index / width + down;
        if (x < 1 || x > width - 2 || y < 0 || y >= image.height())
            return false;
        for (int dy = -margin; dy <= margin; ++dy) {
            for (int dx = -margin; dx <= margin; ++dx) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx >= 0 && nx < width && ny >= 0 && ny < image.height() && taken(ny * width + nx))
                    return false;
            }
        }
    }
    return true;
}

// The ink size of a text drawn alone in the canvas's font, unclipped.
InkWatch::Size InkWatch::naturalInk(const Canvas &canvas, const QString &text)
{
    const QString key = canvas.font().key() + QLatin1Char('|') + text;
    if (const auto known = naturalSizes_.constFind(key); known != naturalSizes_.constEnd())
        return *known;
    const qreal ratio = canvas.image().devicePixelRatio();
    const QFontMetricsF metrics(canvas.font());
    QImage image(QSizeF((metrics.horizontalAdvance(text) + 40) * ratio, metrics.height() * 2 * ratio).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    const QImage blank = image.copy();
    QPainter painter(&image);
    painter.setFont(canvas.font());
    painter.drawText(QPointF(20, metrics.ascent() + 4), text);
    painter.end();
    const Box box = boxOf(changedPixels(blank, image), image.width());
    const Size size{box.left - 20 * ratio, double(box.right - box.left + 1), double(box.bottom - box.top + 1)};
    naturalSizes_.insert(key, size);
    return size;
}

void InkWatch::fault(const Panel &panel, const QString &what)
{
    faults_ << place_ + QStringLiteral(", ") + panel.canvas->objectName() + QStringLiteral(": ") + what;
}

void InkWatch::fault(const Panel &panel, const Label &label, const QString &what)
{
    faults_ << label.place + QStringLiteral(", ") + panel.canvas->objectName() + QStringLiteral(": ") + what;
}

} // namespace piyota::testing
