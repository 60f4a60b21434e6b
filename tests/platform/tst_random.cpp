// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random.h"

#include <QTest>

#include <array>

using namespace piyota;

class RandomTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawsStayInTheUnitIntervalAndCoverIt()
    {
        SeededRandom random;
        random.seed(43200.5f);
        std::array<int, 3> thirds{};
        for (int i = 0; i < 30000; ++i) {
            const float value = random.next();
            QVERIFY(value >= 0.0f);
            QVERIFY(value < 1.0f);
            ++thirds[static_cast<std::size_t>(value * 3)];
        }
        // Each layout of a problem is about equally likely.
        for (int count : thirds)
            QVERIFY2(count > 9000 && count < 11000, qPrintable(QString::number(count)));
    }

    void sameClockReadingGivesSameDraws()
    {
        SeededRandom first;
        SeededRandom second;
        first.seed(1234.25f);
        second.seed(1234.25f);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(first.next(), second.next());
        second.seed(1234.5f);
        first.seed(1234.25f);
        QVERIFY(first.next() != second.next());
    }
};

QTEST_GUILESS_MAIN(RandomTest)
#include "tst_random.moc"
