#pragma once

#include <QIcon>
#include <QString>

namespace piyota {

// The name of the program's menu entry, without ".desktop"; window managers
// find the program's icon through it.
QString desktopFileName();

// The program's icon at every size it is installed in.
QIcon applicationIcon();

} // namespace piyota
