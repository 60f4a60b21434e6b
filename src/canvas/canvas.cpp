// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"

#include "accessible_role.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace piyota {

Canvas::Canvas(QWidget *parent, const QString &name, const PanelLayout &layout, const QColor &background)
    : QFrame(parent)
    , surface_(layout.drawingSize(), layout.font, background)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(PanelLayout::kFramePixels);
    setGeometry(layout.geometry);
    setFont(layout.font);
    const qreal ratio = qApp->devicePixelRatio();
    image_ = QImage((surface_.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(ratio);
    image_.fill(background);
    surface_.setObserver(this);
    // A picture box to screen readers, not a bare frame; its description
    // is the text printed on it.
    setAccessibleRole(staticMetaObject, QAccessible::Graphic);
}

void Canvas::markDrawn(const Mark &mark)
{
    QPainter painter(&image_);
    paintMark(painter, mark);
    painter.end();
    update();
    const auto *text = std::get_if<TextMark>(&mark);
    Q_EMIT drawn(drawingOf(mark), text ? text->text : QString());
}

void Canvas::readableTextChanged()
{
    setAccessibleDescription(surface_.readableText());
}

void Canvas::surfaceCleared()
{
    image_.fill(surface_.background());
    setAccessibleDescription(QString());
    update();
    Q_EMIT drawn(Drawing::Clear, QString());
}

void Canvas::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
    if (hasFocus()) { // a canvas given the focus, for its text to be read out, shows it
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace piyota
