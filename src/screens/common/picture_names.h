// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the pictures of the screens show, as screen readers name them.
namespace piyota::PictureName {

inline const QString wavingBoy = QStringLiteral("手を振るぴよた");
inline const QString dancingChick = QStringLiteral("踊るひよこ");
inline const QString doctor = QStringLiteral("数学博士");
inline const QString parabolaAndStar = QStringLiteral("放物線と星の絵");

} // namespace piyota::PictureName
