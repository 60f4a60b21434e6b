// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label_layout.h"

#include "graph_labels.h"
#include "graph_strokes.h"
#include "surface.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <cmath>
#include <set>

namespace piyota {

namespace {

namespace draw = content::draw;

// A text of the graph panel as drawn: where its ink and the ink of each of
// its glyphs fall, and the top-left corner of its line.
struct Text {
    QRectF ink;
    std::vector<QRectF> glyphs;
    QPointF topLeft;
    bool condenses; // with its formula: no exponent digit

    void move(const Displacement &displacement, double start)
    {
        ink = displaced({ink, condenses}, displacement, start);
        for (QRectF &glyph : glyphs)
            glyph = displaced({glyph, condenses}, displacement, start);
    }
};

std::vector<QRectF> glyphInks(const TextMark &mark)
{
    const QFontMetricsF metrics(mark.font);
    std::vector<QRectF> glyphs;
    double widened = 0;
    auto widening = mark.widenings.begin();
    for (qsizetype i = mark.indentation; i < mark.text.size(); ++i) {
        for (; widening != mark.widenings.end() && widening->at <= i; ++widening)
            widened += widening->pixels;
        const QRectF glyph = metrics.tightBoundingRect(mark.text.mid(i, 1));
        const double advance = metrics.horizontalAdvance(mark.text.mid(mark.indentation, i - mark.indentation)) + widened;
        const double left = mark.origin.x() + mark.stretch * (advance + glyph.left());
        if (!glyph.isEmpty())
            glyphs.emplace_back(left, mark.origin.y() + glyph.top(), mark.stretch * glyph.width(), glyph.height());
    }
    return glyphs;
}

// A label of the graph panel: its operation, where it is printed, and its
// texts (a word each, or the digits and the line of a formula).
struct Label {
    OperationIndex at;
    const content::CanvasOp *op;
    LabelPlace printed;
    std::vector<std::size_t> texts;
};

// What the graph panel shows over one life, from a clear to the next.
struct Life {
    explicit Life(QSizeF panelPixels) : strokes(panelPixels) {}

    GraphStrokes strokes;
    std::optional<CoordinateSystem> scale; // the last set before the life's end
    std::vector<Text> texts;
    std::vector<Label> labels;
};

// A dry run of the graph panel over one life: what it draws, kept.
class LifeRun final : private Surface::Observer {
public:
    // From a clear (or the lecture's start), under the scale then in force.
    LifeRun(QSizeF panelPixels, const QFont &font, const std::optional<draw::Scale> &scale)
        : graph_(panelPixels, font), life_(panelPixels)
    {
        graph_.setObserver(this);
        if (scale)
            setScale(*scale);
    }

    void perform(OperationIndex at, const content::CanvasOp &op)
    {
        if (const auto *plot = std::get_if<draw::Plot>(&op))
            life_.strokes.addCurve(plot->curve, plot->from, plot->to, graph_.coordinates());
        if (const auto *scale = std::get_if<draw::Scale>(&op))
            return setScale(*scale);
        if (!isLabel(op))
            return performOperation(graph_, op, nullptr);
        Label label{at, &op, printedPlace(graph_, op), {}};
        const std::size_t before = life_.texts.size();
        drawingALabel_ = true;
        performOperation(graph_, op, &label.printed);
        drawingALabel_ = false;
        for (std::size_t text = before; text < life_.texts.size(); ++text)
            label.texts.push_back(text);
        life_.labels.push_back(std::move(label));
    }

    Life &life() { return life_; }

private:
    void setScale(const draw::Scale &scale)
    {
        graph_.setScale(scale.x1, scale.y1, scale.x2, scale.y2);
        life_.scale = graph_.coordinates();
    }

    void markDrawn(const Mark &mark) override
    {
        std::visit(content::Overloaded{
                       [&](const TextMark &text) {
                           // Only a label is placed by its glyphs.
                           if (const QRectF ink = inkOf(text); !ink.isEmpty())
                               life_.texts.push_back({ink, drawingALabel_ ? glyphInks(text) : std::vector<QRectF>(),
                                                      text.origin - QPointF(0, QFontMetricsF(text.font).ascent()),
                                                      text.drawing != Drawing::Exponent});
                       },
                       [&](const LineMark &line) { life_.strokes.addLine(line.line); },
                       [&](const CircleMark &circle) {
                           const double reach = circle.radius + 1;
                           life_.strokes.addCircle(QRectF(circle.centre - QPointF(reach, reach),
                                                          circle.centre + QPointF(reach, reach)));
                       },
                       [](const PointsMark &) {}, // a plot's curve is added whole
                   },
                   mark);
    }

    void surfaceCleared() override {} // a life ends before its panel's clear

    Surface graph_;
    Life life_;
    bool drawingALabel_ = false;
};

// Places the labels of a life in order. A label keeps clear of the texts
// that stay where they are printed and of the labels placed before it; the
// labels after it will keep clear of it.
class LifePlacement {
public:
    LifePlacement(Life &life, QSizeF panelPixels, const QFont &font)
        : life_(life)
        , inside_(QPointF(1, 1), panelPixels - QSizeF(2, 2))
        , column_(0.4 * QFontInfo(font).pixelSize())
        , line_(QFontInfo(font).pixelSize())
        , settled_(life.texts.size(), true)
        , shifts_(captionShifts(column_, line_))
    {
        for (const Label &label : life.labels) {
            for (const std::size_t text : label.texts)
                settled_[text] = false;
        }
    }

    // Places the label, the texts of the labels before it in their places.
    LabelPlace place(const Label &label)
    {
        LabelPlace place = label.printed;
        if (std::holds_alternative<draw::Squared>(*label.op))
            place.formula = placeFormula(label);
        else if (life_.scale)
            placeWords(label, place);
        return place;
    }

private:
    // The formula line is the label's last text, its digits before it.
    Displacement placeFormula(const Label &label)
    {
        if (label.texts.empty())
            return {};
        LabelInk ink{{}, {}, life_.texts[label.texts.back()].topLeft.x()};
        for (const std::size_t text : label.texts) {
            const Text &drawn = life_.texts[text];
            ink.texts.push_back({drawn.ink, drawn.condenses});
            for (const QRectF &glyph : drawn.glyphs)
                ink.glyphs.push_back({glyph, drawn.condenses});
        }
        const Displacement displacement =
            placeCaption(ink, shifts_, {life_.strokes, settledTexts(), inside_});
        for (const std::size_t text : label.texts) {
            life_.texts[text].move(displacement, ink.start);
            settled_[text] = true;
        }
        return displacement;
    }

    void placeWords(const Label &label, LabelPlace &place)
    {
        const QString &text = std::holds_alternative<draw::Print>(*label.op)
                                  ? std::get<draw::Print>(*label.op).text
                                  : std::get<draw::PrintAtColumn>(*label.op).text;
        const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (std::size_t(words.size()) != label.texts.size())
            return;
        const CoordinateSystem &scale = *life_.scale;
        const QPointF origin = scale.toPixels(0, 0);
        const Axes axes{std::floor(origin.y()) + 0.5, std::floor(origin.x()) + 0.5, column_, line_};
        for (std::size_t w = 0; w < label.texts.size(); ++w) {
            Text &drawn = life_.texts[label.texts[w]];
            const double value = numberValue(words[qsizetype(w)]).value_or(0);
            const QPointF shift = placeWord(words[qsizetype(w)], drawn.glyphs, scale.toPixels(value, 0),
                                            scale.toPixels(0, value), axes,
                                            {life_.strokes, settledTexts(), inside_});
            // From where the word was drawn, as the text was fitted to the panel.
            place.words[w] = drawn.topLeft + shift;
            drawn.move({shift}, 0);
            settled_[label.texts[w]] = true;
        }
    }

    std::vector<QRectF> settledTexts() const
    {
        std::vector<QRectF> texts;
        for (std::size_t i = 0; i < life_.texts.size(); ++i) {
            if (settled_[i])
                texts.push_back(life_.texts[i].ink);
        }
        return texts;
    }

    Life &life_;
    QRectF inside_;
    double column_;
    double line_;
    std::vector<bool> settled_; // the texts that stay where they are: not a label, or placed
    std::vector<QPointF> shifts_; // a formula's, in order
};

} // namespace

LabelLayout::LabelLayout(const content::Lecture &lecture, std::size_t page, QSizeF panelPixels, const QFont &font)
{
    const auto isClear = [](const content::CanvasOp &op) { return std::holds_alternative<draw::Clear>(op); };
    // The lives of the graph panel, counted by its clears, that hold the page's labels.
    std::set<std::size_t> lives;
    std::size_t life = 0;
    forEachOperation(lecture, [&](OperationIndex at, draw::Panel panel, const content::CanvasOp &op) {
        if (panel != draw::Panel::Graph)
            return;
        if (isClear(op))
            ++life;
        else if (at.page == page && isLabel(op))
            lives.insert(life);
    });

    // Each of them drawn in a dry run, and its labels placed up to the page's.
    life = 0;
    std::optional<draw::Scale> scale;
    std::optional<LifeRun> run;
    const auto place = [&] {
        // The labels after the page's move out of the way of its own.
        LifePlacement placement(run->life(), panelPixels, font);
        for (const Label &label : run->life().labels) {
            if (label.at.page > page)
                break;
            const LabelPlace placed = placement.place(label);
            if (label.at.page == page)
                places_.emplace(label.at.op, placed);
        }
        run.reset();
    };
    forEachOperation(lecture, [&](OperationIndex at, draw::Panel panel, const content::CanvasOp &op) {
        if (panel != draw::Panel::Graph)
            return;
        if (isClear(op)) {
            if (run)
                place();
            ++life;
            return;
        }
        if (lives.count(life) > 0) {
            if (!run)
                run.emplace(panelPixels, font, scale);
            run->perform(at, op);
        }
        if (const auto *set = std::get_if<draw::Scale>(&op))
            scale = *set;
    });
    if (run)
        place();
}

const LabelPlace *LabelLayout::placeOf(std::size_t op) const
{
    const auto place = places_.find(op);
    return place == places_.end() ? nullptr : &place->second;
}

} // namespace piyota
