// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recorded_panel.h"

#include <QPainter>

namespace piyota {

RecordedPanel::RecordedPanel(QSizeF size, const QFont &font, const QColor &background)
    : surface_(size, font, background)
{
    surface_.setObserver(this);
}

void RecordedPanel::paint(QPainter &painter, const QRectF &target) const
{
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.fillRect(target, surface_.background());
    painter.translate(target.topLeft());
    painter.scale(target.width() / surface_.size().width(), target.height() / surface_.size().height());
    for (const Mark &mark : marks_)
        paintMark(painter, mark);
    painter.restore();
}

void RecordedPanel::markDrawn(const Mark &mark)
{
    marks_.push_back(mark);
}

void RecordedPanel::surfaceCleared()
{
    marks_.clear();
}

} // namespace piyota
