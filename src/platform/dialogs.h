// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace piyota {

// The modal dialogs and the beep the screens use.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text, const QString &title) = 0;
    // A prompt with one text field, OK and Cancel; Cancel gives the empty text.
    virtual QString inputText(QWidget *parent, const QString &prompt, const QString &title) = 0;
    // A message with an OK button.
    virtual void inform(QWidget *parent, const QString &text, const QString &title) = 0;
    virtual void beep() = 0;
};

class QtDialogs final : public Dialogs {
public:
    bool askYesNo(QWidget *parent, const QString &text, const QString &title) override;
    QString inputText(QWidget *parent, const QString &prompt, const QString &title) override;
    void inform(QWidget *parent, const QString &text, const QString &title) override;
    void beep() override;
};

} // namespace piyota
