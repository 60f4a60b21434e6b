// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface.h"

#include <vector>

class QPainter;
class QRectF;

namespace piyota {

// A panel drawn off the screen: a surface whose marks since its last clear
// are kept, to be painted at any size on any device, a PDF page or a
// printer's page as well as an image.
class RecordedPanel final : private Surface::Observer {
public:
    RecordedPanel(QSizeF size, const QFont &font, const QColor &background = Qt::white);

    Surface &surface() { return surface_; }
    const Surface &surface() const { return surface_; }
    const std::vector<Mark> &marks() const { return marks_; }

    // Paints the background and the marks into the target rectangle, the
    // panel scaled to fill it and nothing outside it.
    void paint(QPainter &painter, const QRectF &target) const;

private:
    void markDrawn(const Mark &mark) override;
    void surfaceCleared() override;

    Surface surface_;
    std::vector<Mark> marks_;
};

} // namespace piyota
