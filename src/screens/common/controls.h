// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace piyota {

// The controls of the screens, placed in twips and named as the program
// names them ("Command1", "Label2", "Image1", ...). Screen readers get each
// control's caption as its name; a label's name follows its text, and they
// are told whenever that text changes.

// A button that Space, Enter and Return press while it has the focus.
QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, int x,
                       int y, int width, int height);
QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, int x, int y,
                 int width, int height, const QFont &font);
// A timer of the screen, running from now on.
QTimer *addTimer(QObject *parent, const QString &name, int intervalMs);
// An image box whose picture is stretched to the box, crisp at any device
// pixel ratio; `description` says what it shows (see picture_names.h).
QLabel *addImage(QWidget *parent, const QString &name, const QString &picture,
                 const QString &description, int x, int y, int width, int height);

} // namespace piyota
