// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QString>

namespace piyota {

// The name of the program's menu entry, without ".desktop"; window managers
// find the program's icon through it.
QString desktopFileName();
// The same for the teachers' overview.
QString teacherDesktopFileName();

// The icon at every size it is installed in; the overview shares it.
QIcon applicationIcon();

} // namespace piyota
