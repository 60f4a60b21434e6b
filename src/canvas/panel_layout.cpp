// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "panel_layout.h"

#include "fonts.h"
#include "geometry.h"

namespace piyota {

PanelLayout lectureTextPanel()
{
    return {twipsRect(120, 480, 3375, 3375), gothicFont(11.25)};
}

PanelLayout lectureGraphPanel()
{
    return {twipsRect(3600, 480, 3375, 3375), gothicFont(11.25)};
}

PanelLayout lectureSpeechBox()
{
    return {twipsRect(1320, 4080, 4455, 615), minchoFont(9)};
}

PanelLayout questionBox(int shiftTwips)
{
    return {twipsRect(120 + shiftTwips, 360, 6375, 1935), gothicFont(11.25)};
}

QRectF fitted(QSizeF size, const QRectF &target)
{
    const QSizeF scaled = size.scaled(target.size(), Qt::KeepAspectRatio);
    QRectF rect(QPointF(), scaled);
    rect.moveCenter(target.center());
    return rect;
}

} // namespace piyota
