// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pixel_art_image.h"

#include <QPainter>

namespace piyota {

PixelArtImage::PixelArtImage(const QString &picture, QWidget *parent)
    : QLabel(parent)
    , source_(picture)
{
    setPixmap(QPixmap::fromImage(source_));
}

void PixelArtImage::paintEvent(QPaintEvent *)
{
    const QRect box = contentsRect();
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize = (QSizeF(box.size()) * ratio).toSize();
    if (scaled_.size() != deviceSize || scaled_.devicePixelRatio() != ratio) {
        scaled_ = QPixmap::fromImage(
            source_.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        scaled_.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(box.topLeft(), scaled_);
}

} // namespace piyota
