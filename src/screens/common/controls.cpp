// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls.h"

#include "fonts.h"
#include "geometry.h"
#include "keyboard.h"
#include "pixel_art_image.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace piyota {

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, int x,
                       int y, int width, int height)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(twipsRect(x, y, width, height));
    button->setFont(gothicFont(9)); // its own font, not its container's
    button->setAccessibleName(caption);
    pressOnEnter(button);
    return button;
}

QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, int x, int y,
                 int width, int height, const QFont &font)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(twipsRect(x, y, width, height));
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // No accessible name of its own: its name is its text, and every
    // setText() tells screen readers of the new one.
    return label;
}

QTimer *addTimer(QObject *parent, const QString &name, int intervalMs)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    timer->start();
    return timer;
}

QLabel *addImage(QWidget *parent, const QString &name, const QString &picture,
                 const QString &description, int x, int y, int width, int height)
{
    auto *image = new PixelArtImage(picture, parent);
    image->setObjectName(name);
    image->setGeometry(twipsRect(x, y, width, height));
    image->setAccessibleName(description);
    return image;
}

} // namespace piyota
