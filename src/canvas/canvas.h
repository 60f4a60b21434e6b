// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "panel_layout.h"
#include "surface.h"

#include <QFrame>
#include <QImage>

namespace piyota {

// A picture box on a screen: the widget that shows a surface. What the
// surface draws stays in an image at the screen's device pixel ratio; the
// widget only shows it. The surface's text, as read out, is the widget's
// accessible description. A screen that gives a canvas the keyboard focus
// has it read out, and the canvas shows the focus.
class Canvas final : public QFrame, private Surface::Observer {
    Q_OBJECT
public:
    Canvas(QWidget *parent, const QString &name, const PanelLayout &layout, const QColor &background = Qt::white);

    Surface &surface() { return surface_; }
    const Surface &surface() const { return surface_; }
    const QImage &image() const { return image_; }
    // The lines printed on it since it was last cleared.
    QString printedText() const { return surface_.printedText(); }

Q_SIGNALS:
    // Each drawing, once it has changed the image; `text` is what was
    // printed, empty for graphics and a clear.
    void drawn(piyota::Drawing what, const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void markDrawn(const Mark &mark) override;
    void surfaceCleared() override;
    void readableTextChanged() override;

    Surface surface_;
    QImage image_;
};

} // namespace piyota
