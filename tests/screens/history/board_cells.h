// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakes/test_app.h"

#include <QLabel>
#include <QStringList>

namespace piyota::testing {

// The text of a label on the screen that is open in a TestApp.
inline QString labelText(const TestApp &app, const QString &name)
{
    return app.navigator.currentScreen()->findChild<QLabel *>(name)->text();
}

// The 30 cells of the history board's `Lab` or `zik` array, problem 1 first.
inline QStringList boardCells(const TestApp &app, const QString &array)
{
    QStringList cells;
    for (int i = 1; i <= 30; ++i)
        cells << labelText(app, QStringLiteral("%1(%2)").arg(array).arg(i));
    return cells;
}

// Thirty cells: the given ones first, the rest empty.
inline QStringList cellsThenEmpty(QStringList cells)
{
    while (cells.size() < 30)
        cells << QString();
    return cells;
}

} // namespace piyota::testing
