// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QStringList>

#include <cmath>

namespace piyota {
namespace {

QFont makeFont(const QStringList &families, double points, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

QFont gothicFont(double points, bool bold)
{
    return makeFont({QStringLiteral("Monapo"), QStringLiteral("IPAPGothic")}, points, bold);
}

QFont minchoFont(double points, bool bold)
{
    return makeFont({QStringLiteral("IPAMincho"), QStringLiteral("IPAPMincho")}, points, bold);
}

QFont tableFont(double points)
{
    return makeFont({QStringLiteral("Ume Gothic"), QStringLiteral("IPAGothic")}, points, false);
}

} // namespace piyota
