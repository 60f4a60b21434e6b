// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace piyota {

// An image box whose small pixel-art picture is stretched to the box by
// repeating its pixels (nearest neighbour) at the screen's device pixel
// ratio: the picture stays crisp, never smoothed into a blur, also on a
// high-density screen. It keeps the picture as its pixmap, so screen
// readers see a graphic.
class PixelArtImage final : public QLabel {
    Q_OBJECT
public:
    PixelArtImage(const QString &picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage source_;
    QPixmap scaled_; // the source at the box's size in device pixels
};

} // namespace piyota
