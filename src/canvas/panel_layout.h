// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>
#include <QRectF>
#include <QSizeF>

namespace piyota {

// A picture box of a screen as the tables lay it out: where it stands on
// its window, in pixels, its sunken frame included, and the font it prints
// in. It draws inside the frame.
struct PanelLayout {
    static constexpr int kFramePixels = 2;

    QRect geometry;
    QFont font;

    QSizeF drawingSize() const { return QSizeF(geometry.size()) - QSizeF(2 * kFramePixels, 2 * kFramePixels); }
};

// The lecture screen's panels: the text (Picture1), the graph (Picture2)
// and the math doctor's speech (Picture3).
PanelLayout lectureTextPanel();
PanelLayout lectureGraphPanel();
PanelLayout lectureSpeechBox();

// The quiz screens' question box (Picture1), on a screen whose controls
// stand shiftTwips to the right.
PanelLayout questionBox(int shiftTwips = 0);

// The largest rectangle of the size's shape that the target holds, centred
// in it: where a panel or a screenful of panels goes on a page.
QRectF fitted(QSizeF size, const QRectF &target);

} // namespace piyota
