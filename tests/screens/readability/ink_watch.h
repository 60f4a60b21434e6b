// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canvas.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace piyota::testing {

// Pixels of a canvas image, by device pixel index (y * width + x).
using Ink = std::vector<int>;

// Watches what the canvases of a screen draw, one drawing at a time, and
// reads each text's ink as the pixels that drawing changed. It reports,
// with the place set by setPlace():
//  - a text that shows no ink, whose ink reaches a panel's left or right
//    edge or shows less than its whole height at the top or bottom (cut), or
//    that is drawn squeezed below a readable width;
//  - on the question box, a line whose ink does not start where its
//    indentation puts it, two half-width spaces to a full-width one;
//  - a label (a text printed at a column, a number, an axis's name) whose
//    ink touches an axis, a curve or a circle where moving it by one column
//    either way would clear it (on the roulette, any label that comes within
//    two pixels of a line of the wheel);
//  - on a panel given a graph's scale (setScale()), a label or a curve's
//    formula (a text printed under exponent digits) whose ink comes within a
//    pixel of another text's, and a curve's formula whose ink comes within a
//    pixel of a curve, a circle or a line (an axis may cross it only between
//    two glyphs);
//  - a number on such a panel that does not stand at its point: an x value
//    centred under or over its point on the x axis, beside the axis, a y
//    value beside the y axis centred on its point, unless the graph comes
//    within two pixels of it there and its point lies at most a column
//    beside it (x) or it stands at most a line off (y); or one that the
//    graph strikes where a place within that reach is clear; and an axis's
//    name that does not stand beside its axis, a clear pixel to a line from
//    the x axis, a clear pixel to a column from the y axis. Checked once
//    every stroke and text of the graph is drawn, when its panel is cleared
//    or by checkPointLabels(), and named by the place it was drawn at;
//  - an exponent digit that touches the next sign of its formula, or that
//    floats above its formula instead of standing raised beside it.
class InkWatch : public QObject {
    Q_OBJECT
public:
    // A canvas whose texts keep more rules than the others': the roulette,
    // whose labels have no column to move by, and the question box, whose
    // lines all start at its left edge.
    enum class Kind { Panel, Wheel, QuestionBox };

    void watch(Canvas &canvas, Kind kind = Kind::Panel);
    void setPlace(const QString &place) { place_ = place; }
    // The user scale, (x1, y1) top left to (x2, y2) bottom right, of the
    // graph drawn on the canvas of that name; nothing for none.
    struct Scale {
        double x1, y1, x2, y2;
    };
    void setScale(const QString &canvasName, std::optional<Scale> scale) { scales_[canvasName] = scale; }
    // The numbers drawn so far against their points, at the end of a
    // drawing that clears no panel.
    void checkPointLabels();
    // The labels drawn so far, against every line and curve drawn since
    // their panel was last cleared. With READABLE_SCREENS_PICTURES naming a
    // folder, a picture of each panel is kept there.
    void checkLabels();
    const QStringList &faults() const { return faults_; }

private:
    struct Label {
        QString text;
        Ink ink;
        QString place; // where it was drawn
        bool reported = false;
        bool label = false;   // a number, an axis's name, a text printed at a column
        bool formula = false; // a curve's formula, its exponents included
    };
    struct Panel {
        Canvas *canvas = nullptr;
        Kind kind = Kind::Panel;
        QImage before;
        std::vector<bool> graphics; // pixels set by lines, points and circles since the last clear
        std::vector<Label> labelsDrawn;
        std::vector<Label> textsDrawn; // every text since the last clear
        Ink pendingExponent; // the digits waiting for their formula
        QString exponentText;
        std::optional<Scale> scale; // at the last checkLabels()
    };

    void onDrawn(Panel &panel, Drawing what, const QString &text);
    void checkText(const Panel &panel, const QString &text, const Ink &ink);
    void checkIndentation(const Panel &panel, const QString &text, const Ink &ink);
    void checkOverlaps(Panel &panel);
    bool standsBesideItsAxis(const Panel &panel, const Label &label, const QString &name, const Ink &ink);
    void checkExponent(const Panel &panel, const Ink &formula);
    void checkLabelsOf(Panel &panel);
    void checkPointsOf(Panel &panel);
    bool standsAtItsPoint(const Panel &panel, const Label &label, const QString &number, const Ink &ink);
    bool isClear(const Panel &panel, const Ink &ink, int shift, int down = 0, int slack = 0) const;
    // The same, clear of the pixels `taken` says are.
    bool isClearOf(const Panel &panel, const Ink &ink, const std::function<bool(int)> &taken, int shift = 0,
                   int down = 0, int slack = 0) const;
    struct Size {
        double left; // from the pen, device pixels
        double width;
        double height;
    };
    Size naturalInk(const Canvas &canvas, const QString &text);
    void fault(const Panel &panel, const QString &what);
    void fault(const Panel &panel, const Label &label, const QString &what);

    std::vector<std::unique_ptr<Panel>> panels_;
    QHash<QString, Size> naturalSizes_;
    QHash<QString, std::optional<Scale>> scales_;
    QString place_;
    QStringList faults_;
};

} // namespace piyota::testing
