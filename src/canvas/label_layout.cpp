#include "label_layout.h"

#include "graph_labels.h"
#include "graph_strokes.h"
#include "surface.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <cmath>

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

// Keeps what a dry run of the graph panel draws, life by life.
class LifeRecorder final : public Surface::Observer {
public:
    explicit LifeRecorder(QSizeF panelPixels) : panel_(panelPixels) { lives.emplace_back(panelPixels); }

    void markDrawn(const Mark &mark) override
    {
        Life &life = lives.back();
        std::visit(content::Overloaded{
                       [&](const TextMark &text) {
                           if (const QRectF ink = inkOf(text); !ink.isEmpty())
                               life.texts.push_back({ink, glyphInks(text),
                                                     text.origin - QPointF(0, QFontMetricsF(text.font).ascent()),
                                                     text.drawing != Drawing::Exponent});
                       },
                       [&](const LineMark &line) { life.strokes.addLine(line.line); },
                       [&](const CircleMark &circle) {
                           const double reach = circle.radius + 1;
                           life.strokes.addCircle(QRectF(circle.centre - QPointF(reach, reach),
                                                         circle.centre + QPointF(reach, reach)));
                       },
                       [](const PointsMark &) {}, // a plot's curve is added whole
                   },
                   mark);
    }

    void surfaceCleared() override
    {
        const std::optional<CoordinateSystem> scale = lives.back().scale;
        lives.emplace_back(panel_);
        lives.back().scale = scale;
    }

    std::vector<Life> lives;

private:
    QSizeF panel_;
};

bool onPage(const Life &life, std::size_t page)
{
    return std::any_of(life.labels.begin(), life.labels.end(),
                       [&](const Label &label) { return label.at.page == page; });
}

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
            placeCaption(ink, column_, line_, {life_.strokes, settledTexts(), inside_});
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
};

} // namespace

LabelLayout::LabelLayout(const content::Lecture &lecture, std::size_t page, QSizeF panelPixels, const QFont &font)
{
    // A dry run of the graph panel, through the life that ends after the page.
    Surface graph(panelPixels, font);
    LifeRecorder recorder(panelPixels);
    graph.setObserver(&recorder);
    bool past = false;
    forEachOperation(lecture, [&](OperationIndex at, draw::Panel panel, const content::CanvasOp &op) {
        past = past || (at.page > page && std::holds_alternative<draw::Clear>(op) && panel == draw::Panel::Graph);
        if (past || panel != draw::Panel::Graph)
            return;
        if (const auto *plot = std::get_if<draw::Plot>(&op))
            recorder.lives.back().strokes.addCurve(plot->curve, plot->from, plot->to, graph.coordinates());
        if (!isLabel(op)) {
            performOperation(graph, op, nullptr); // a clear starts the next life
            if (std::holds_alternative<draw::Scale>(op))
                recorder.lives.back().scale = graph.coordinates();
            return;
        }
        Life &life = recorder.lives.back();
        Label label{at, &op, printedPlace(graph, op), {}};
        const std::size_t before = life.texts.size();
        performOperation(graph, op, &label.printed);
        for (std::size_t text = before; text < life.texts.size(); ++text)
            label.texts.push_back(text);
        life.labels.push_back(std::move(label));
    });

    for (Life &life : recorder.lives) {
        if (!onPage(life, page))
            continue;
        LifePlacement placement(life, panelPixels, font);
        for (const Label &label : life.labels) {
            const LabelPlace place = placement.place(label);
            if (label.at.page == page)
                places_.emplace(label.at.op, place);
        }
    }
}

const LabelPlace *LabelLayout::placeOf(std::size_t op) const
{
    const auto place = places_.find(op);
    return place == places_.end() ? nullptr : &place->second;
}

} // namespace piyota
