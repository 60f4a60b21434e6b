// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coordinate_system.h"

#include <QTest>

using namespace piyota;

class CoordinateSystemTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twipsMeasureFromTheTopLeftCornerDownwards()
    {
        const auto twips = CoordinateSystem::twips(QSizeF(221, 221));
        QCOMPARE(twips.toPixels(0, 0), QPointF(0, 0));
        QCOMPARE(twips.toPixels(150, 300), QPointF(10, 20));
        QCOMPARE(twips.verticalUnits(16), 240.0);
        QCOMPARE(twips.horizontalUnits(2), 30.0);
    }

    void userScaleWithYUpwardsMapsCornersAndAxes()
    {
        const auto scale = CoordinateSystem::scaled(QSizeF(221, 221), -4, 30, 4, -30);
        QCOMPARE(scale.toPixels(-4, 30), QPointF(0, 0));
        QCOMPARE(scale.toPixels(4, -30), QPointF(221, 221));
        QCOMPARE(scale.toPixels(0, 0), QPointF(110.5, 110.5));
        // Upwards in the user system is up the screen.
        QVERIFY(scale.toPixels(0, 10).y() < scale.toPixels(0, 0).y());
        // A line going down the screen is a negative length in y.
        QCOMPARE(scale.verticalUnits(22.1), -6.0);
        QCOMPARE(scale.horizontalUnits(22.1), 0.8);
        const QPointF back = scale.fromPixels(scale.toPixels(1.5, -12));
        QCOMPARE(back.x(), 1.5);
        QCOMPARE(back.y(), -12.0);
    }
};

QTEST_GUILESS_MAIN(CoordinateSystemTest)
#include "tst_coordinate_system.moc"
