// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace piyota::teacher {

// The title of the overview's window and of its messages.
inline QString overviewTitle()
{
    return QStringLiteral("ぴよたの研修旅行 先生用");
}

} // namespace piyota::teacher
