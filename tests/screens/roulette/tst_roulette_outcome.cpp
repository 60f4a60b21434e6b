#include "roulette/roulette_outcome.h"
#include "roulette/wheel_geometry.h"

#include <QTest>

#include <array>
#include <cmath>

using namespace piyota::roulette;

namespace {

struct Rest {
    double angle;
    int ticks;
};

// The run-out as the roulette's ticks take it, from a cell of the first turn.
Rest runOut(double fromAngle, double stopDraw)
{
    Rest rest{fromAngle, 0};
    while (const auto next = runOutStep(rest.angle, stopDraw)) {
        rest.angle = *next;
        ++rest.ticks;
    }
    return rest;
}

int cellOf(double angle)
{
    return static_cast<int>(std::lround(angle / kCellAngle)) % kCellCount;
}

// The cell centres of the first turn as the free spin reaches them.
std::array<double, kCellCount> freeSpinCells()
{
    std::array<double, kCellCount> cells{};
    for (int c = 1; c < kCellCount; ++c)
        cells[static_cast<std::size_t>(c)] = freeSpinStep(cells[static_cast<std::size_t>(c - 1)]);
    return cells;
}

} // namespace

class RouletteOutcomeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void freeSpinVisitsEveryCellThenWraps()
    {
        const auto cells = freeSpinCells();
        for (int c = 0; c < kCellCount; ++c)
            QVERIFY(std::abs(cells[static_cast<std::size_t>(c)] - c * kCellAngle) < 1e-9);
        QCOMPARE(freeSpinStep(cells.back()), 0.0);
    }

    void runOutStopsWhereTheDrawSays_data()
    {
        QTest::addColumn<double>("stopDraw");
        QTest::addColumn<int>("turnsAndCells"); // cells run from angle 0
        QTest::addColumn<int>("scoreChange");
        QTest::newRow("0: one full turn") << 0.0 << 24 << 10000;
        QTest::newRow("just below 1: two full turns") << 0.99999 << 48 << 10000;
        QTest::newRow("0.5: half way round the second turn") << 0.5 << 36 << 30000;
        QTest::newRow("10/24: cell 10") << 10.0 / 24 << 34 << -10000;
    }

    void runOutStopsWhereTheDrawSays()
    {
        QFETCH(double, stopDraw);
        QFETCH(int, turnsAndCells);
        QFETCH(int, scoreChange);
        const Rest rest = runOut(0, stopDraw);
        QCOMPARE(rest.ticks, turnsAndCells);
        QCOMPARE(outcomeAt(rest.angle).scoreChange, scoreChange);
        // Where the ball stood when Stop was pressed does not matter.
        for (double from : freeSpinCells())
            QCOMPARE(cellOf(runOut(from, stopDraw).angle), cellOf(rest.angle));
    }

    void everyCellAndSectorIsEquallyLikely()
    {
        constexpr int kDraws = 24000;
        constexpr std::array<int, kCellCount> kCellChanges{
            10000, 10000, 10000, 0, 0, 0, 5000, 5000, 5000, -10000, -10000, -10000,
            30000, 30000, 30000, 0, 0, 0, 8000, 8000, 8000, 0, 0, 0};
        std::array<int, kCellCount> hits{};
        std::array<int, kSectorCount> sectorHits{};
        double total = 0;
        for (int i = 0; i < kDraws; ++i) {
            const double angle = runOut(0, static_cast<double>(i) / kDraws).angle;
            const Outcome outcome = outcomeAt(angle);
            const auto cell = static_cast<std::size_t>(cellOf(angle));
            QCOMPARE(outcome.scoreChange, kCellChanges[cell]);
            QCOMPARE(outcome.sector, static_cast<int>(cell) / 3);
            ++hits[cell];
            ++sectorHits[static_cast<std::size_t>(outcome.sector)];
            total += outcome.scoreChange;
        }
        for (int count : hits)
            QVERIFY2(std::abs(count - kDraws / kCellCount) <= 1, qPrintable(QString::number(count)));
        for (int count : sectorHits)
            QVERIFY(std::abs(count - kDraws / kSectorCount) <= 3);
        QCOMPARE(qRound(total / kDraws), 5375);
    }

    void aFullTurnCountsAsTheFirstSector()
    {
        QCOMPARE(outcomeAt(2 * kPi).sector, 0);
        QCOMPARE(outcomeAt(2 * kPi - 1e-9).sector, 0); // not past the last sector's end: none matches
        QCOMPARE(outcomeAt(4 * kPi - 1e-9).sector, 0); // one full turn is taken off
        QCOMPARE(outcomeAt(runOut(0, 0).angle).scoreChange, 10000);
        // Sector ends belong to the sector before them.
        QCOMPARE(outcomeAt(kSectorAngle - kHalfCell).sector, 0);
        QCOMPARE(outcomeAt(kSectorAngle - kHalfCell + 1e-9).sector, 1);
        QCOMPARE(outcomeAt(kPi).scoreChange, 30000);
        QCOMPARE(outcomeAt(1.5 * kPi).scoreChange, 8000);
    }
};

QTEST_APPLESS_MAIN(RouletteOutcomeTest)
#include "tst_roulette_outcome.moc"
