// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette.h"

#include <QTest>

using namespace piyota;

class PaletteTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void coloursByTheirNumbers()
    {
        const QRgb colours[] = {
            0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xc0c0c0,
            0x808080, 0x0000ff, 0x00ff00, 0x00ffff, 0xff0000, 0xff00ff, 0xffff00, 0xffffff,
        };
        for (int index = 0; index < 16; ++index)
            QCOMPARE(paletteColor(index), QColor(colours[index]));
    }

    void otherNumbersAreBlack()
    {
        for (const int index : {-1, 16, 255})
            QCOMPARE(paletteColor(index), QColor(Qt::black));
    }
};

QTEST_GUILESS_MAIN(PaletteTest)
#include "tst_palette.moc"
