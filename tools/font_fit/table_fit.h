// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace piyota::fontfit {

// How well a font serves the teachers' tables at 13 px (10 points on a
// 96-dpi screen): the full stop and the comma must not be taken for each
// other, digits must line up and differ, and the Japanese headings must
// come from the font itself.
struct TableFit {
    QString family;
    int missingCharacters = 0;         // of the headings, not in the font
    double periodInk = 0;              // px² of the full stop's ink
    double commaTail = 0;              // px the comma reaches below the full stop
    double periodCommaDifference = 0;  // px² of ink where the two differ
    double digitWidthSpread = 0;       // px between the widest and the narrowest digit
    double leastDigitDifference = 0;   // px² of ink between the two digits most alike
    QString digitsMostAlike;
    // Higher is better: the full stop and the comma first, then the digits;
    // a font lacking a heading's character last.
    double score() const;
};

TableFit measureTable(const QString &family, const QStringList &headings);

} // namespace piyota::fontfit
