// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard.h"

#include "held_keys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

namespace piyota {

namespace {

class EnterPresses final : public QObject {
public:
    explicit EnterPresses(QPushButton *button)
        : QObject(button)
        , button_(button)
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        button_->click();
        return true;
    }

private:
    QPushButton *button_;
};

} // namespace

void chainTabOrder(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void pressOnEnter(QPushButton *button)
{
    for (const int key : {Qt::Key_Space, Qt::Key_Select, Qt::Key_Return, Qt::Key_Enter})
        HeldKeyGuard::watch(key);
    button->installEventFilter(new EnterPresses(button));
}

void addPressKey(QWidget *window, const QKeySequence &key, QPushButton *button)
{
    HeldKeyGuard::watch(key[0].key());
    auto *shortcut = new QShortcut(key, window);
    // click() does nothing on a disabled button.
    QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
}

} // namespace piyota
