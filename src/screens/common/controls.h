#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace piyota {

// The controls of the screens, placed in twips and named as the program
// names them ("Command1", "Label2", "Image1", ...).
QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, int x,
                       int y, int width, int height);
QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, int x, int y,
                 int width, int height, const QFont &font);
// A timer of the screen, running from now on.
QTimer *addTimer(QObject *parent, const QString &name, int intervalMs);
// An image box whose picture is stretched to the box.
QLabel *addImage(QWidget *parent, const QString &name, const QString &picture, int x, int y,
                 int width, int height);

} // namespace piyota
