// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "roulette_driver.h"

#include "screens/history/board_cells.h"
#include "roulette/wheel_drawing.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace piyota;
using namespace piyota::testing;

Q_DECLARE_METATYPE(piyota::ScreenId)

namespace {

const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

// The sector (0..7) of a point of the disc at `angle` degrees from east:
// each sector spans 45 degrees, from 7.5 degrees before a multiple of 45.
int sectorAtDegrees(double angle)
{
    return static_cast<int>(std::floor((angle + 7.5) / 45)) % 8;
}

} // namespace

class RouletteScreenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        app_.emplace();
        app_->course.userCode = QStringLiteral("zq");
        app_->course.problemNo = 6;
        app_->course.score = 15000;
        app_->navigator.show(ScreenId::Roulette);
        roulette_.emplace(*app_);
    }

    void activationDrawsTheWheelWithTheBallAtEast()
    {
        QCOMPARE(roulette_->screen()->windowTitle(), QStringLiteral("  ぴよたの研修旅行2008 （ボーナスルーレット）"));
        QVERIFY(roulette_->button(1)->isEnabled());
        QVERIFY(!roulette_->button(2)->isEnabled());
        QVERIFY(!roulette_->button(3)->isEnabled());
        QCOMPARE(roulette_->label(1)->text(), QStringLiteral("ぴよた得点"));
        QCOMPARE(roulette_->label(2)->text(), QStringLiteral("15000"));
        QCOMPARE(roulette_->wheel()->printedText(),
                 QStringLiteral("\n\n\n5000\n\n\n-10000\n10000\n30000\n\n\n\n 8000"));
        QCOMPARE(roulette_->ballSpot(0), kRed);
        QCOMPARE(roulette_->colourAt(roulette::wheelPoint(0, roulette::kTrackRadius + 12)), kWhite);
    }

    void labelsLieInsideTheirSectors()
    {
        Canvas labels(nullptr, QStringLiteral("labels"), {roulette_->wheel()->geometry(), roulette::labelFont()});
        labels.surface().setScale(0, 0, roulette::kCanvasWidth, roulette::kCanvasHeight);
        const QMap<QString, int> sectorOfLabel{
            {QStringLiteral("5000"), 2}, {QStringLiteral("-10000"), 3}, {QStringLiteral("10000"), 0},
            {QStringLiteral("30000"), 4}, {QStringLiteral("8000"), 6}};
        // Each label's ink: the pixels its drawing changed.
        QMap<QString, int> inkOfLabel;
        QImage before = labels.image().copy();
        connect(&labels, &Canvas::drawn, this, [&](Drawing, const QString &text) {
            const QImage &image = labels.image();
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixel(x, y) == before.pixel(x, y))
                        continue;
                    ++inkOfLabel[text];
                    // The whole pixel, all four corners, lies in the label's sector.
                    for (const QPointF corner : {QPointF(x, y), QPointF(x + 1, y), QPointF(x, y + 1), QPointF(x + 1, y + 1)}) {
                        const QPointF p = labels.surface().coordinates().fromPixels(corner) - roulette::kCentre;
                        const double degrees = std::atan2(-p.y(), p.x()) * 180 / std::numbers::pi;
                        QVERIFY2(std::hypot(p.x(), p.y()) < roulette::kInnerRadius - 2, qPrintable(text));
                        QCOMPARE(sectorAtDegrees(degrees < 0 ? degrees + 360 : degrees), sectorOfLabel.value(text, -1));
                    }
                }
            }
            before = image.copy();
        });
        roulette::printSectorLabels(labels.surface());
        QCOMPARE(inkOfLabel.keys(), sectorOfLabel.keys());
    }

    void freeSpinShowsTheBallForMostOfEachTickAndSparesTheWheel()
    {
        roulette_->button(1)->click();
        QVERIFY(!roulette_->button(1)->isEnabled());
        QVERIFY(roulette_->button(2)->isEnabled());
        QCOMPARE(roulette_->ballSpot(0), kWhite);
        const QImage wheel = roulette_->wheel()->image();
        auto blackNear = [&](QPointF point) {
            const QPoint pixel = roulette_->wheel()->surface().coordinates().toPixels(point.x(), point.y()).toPoint();
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (wheel.pixelColor(pixel + QPoint(dx, dy)) == Qt::black)
                        return true;
            return false;
        };
        for (double radius : {roulette::kInnerRadius, roulette::kOuterRadius})
            QVERIFY(blackNear(roulette::wheelPoint(roulette::kPi / 3, radius)));          // the ring circles
        QVERIFY(blackNear(roulette::wheelPoint(-roulette::kHalfCell, roulette::kTrackRadius))); // a cell boundary
        QVERIFY(blackNear(roulette::wheelPoint(-roulette::kHalfCell, 70)));               // a sector boundary

        // A tick every 100 ms shows the ball for 65 of them.
        QCOMPARE(roulette_->timer(QStringLiteral("Timer2"))->interval(), 100);
        QVERIFY(roulette_->timer(QStringLiteral("Timer2"))->isActive());
        QTimer *hold = roulette_->timer(QStringLiteral("HoldTimer"));
        for (int tick = 1; tick <= 25; ++tick) {
            roulette_->screen()->onSpinTick();
            QCOMPARE(roulette_->ballSpot(tick % 24), kRed);
            QVERIFY(hold->isActive() && hold->isSingleShot());
            QCOMPARE(hold->interval(), 65);
            roulette_->screen()->onHoldTimeout();
            QCOMPARE(roulette_->ballSpot(tick % 24), kWhite);
        }
        QCOMPARE(roulette_->wheel()->image(), wheel); // every cell had the ball once

        // A tick that comes before the hold ends takes the old ball away first.
        roulette_->screen()->onSpinTick();
        roulette_->screen()->onSpinTick();
        QCOMPARE(roulette_->ballSpot(2), kWhite);
        QCOMPARE(roulette_->ballSpot(3), kRed);
    }

    void stopLetsTheBallRunOutAndShowsTheScore()
    {
        app_->course.score = 5000;
        roulette_->button(1)->click();
        roulette_->screen()->onSpinTick(); // the ball is on show at cell 1
        app_->random.values = {10.0f / 24}; // to rest at cell 10, which takes 10000
        roulette_->button(2)->click();
        QCOMPARE(roulette_->ballSpot(1), kWhite);
        QVERIFY(!roulette_->timer(QStringLiteral("Timer2"))->isActive());
        // A tick every 150 ms shows the ball for 97 of them.
        QTimer *runOut = roulette_->timer(QStringLiteral("Timer3"));
        QVERIFY(runOut->isActive());
        QCOMPARE(runOut->interval(), 150);
        QTimer *hold = roulette_->timer(QStringLiteral("HoldTimer"));
        for (int cell = 2; cell <= 24 + 10; ++cell) {
            roulette_->screen()->onRunOutTick();
            QCOMPARE(roulette_->ballSpot(cell % 24), kRed);
            QCOMPARE(hold->interval(), 97);
            QVERIFY(!roulette_->button(3)->isEnabled());
        }
        roulette_->screen()->onRunOutTick(); // at rest
        QCOMPARE(roulette_->label(2)->text(), QStringLiteral("-5000"));
        QCOMPARE(roulette_->ballSpot(10), kRed); // at rest, and it stays
        QVERIFY(!runOut->isActive());
        QVERIFY(!hold->isActive());
        QVERIFY(roulette_->button(3)->isEnabled());
        QVERIFY(!roulette_->button(1)->isEnabled()); // one spin a visit
        QVERIFY(!roulette_->button(2)->isEnabled());
    }

    void nextGoesWhereTheCourseLeads_data()
    {
        QTest::addColumn<int>("problemNo");
        QTest::addColumn<ScreenId>("screen");
        QTest::newRow("after problem 15") << 16 << ScreenId::Stage2Quiz;
        QTest::newRow("after problem 30") << 30 << ScreenId::History;
    }

    void nextGoesWhereTheCourseLeads()
    {
        QFETCH(int, problemNo);
        QFETCH(ScreenId, screen);
        app_->course.problemNo = static_cast<std::int16_t>(problemNo);
        roulette_->spin(0.5f);
        roulette_->next();
        QCOMPARE(app_->navigator.currentId(), screen);
        if (screen != ScreenId::History)
            return;
        // The board of the finished course shows the score the wheel left.
        QCOMPARE(labelText(*app_, QStringLiteral("Label3")), QStringLiteral("あなたは、問題 30 番まで進んでいます。"));
        QCOMPARE(labelText(*app_, QStringLiteral("Label4")), QStringLiteral("45000"));
    }

    void failedSaveKeepsTheRouletteOpen()
    {
        roulette_->spin(0); // +10000
        app_->course.userCode = QStringLiteral("no/such/folder");
        roulette_->next();
        QCOMPARE(app_->navigator.currentId(), ScreenId::Roulette);
        QCOMPARE(app_->dialogs.asked.last().kind, QStringLiteral("inform"));
        QVERIFY(roulette_->button(3)->isEnabled());
        QCOMPARE(roulette_->label(2)->text(), QStringLiteral("25000"));
    }

    void figuresAlternateAndKeepTheirFlagForTheNextVisit()
    {
        auto shown = [this](int image) {
            return roulette_->screen()->findChild<QLabel *>(QStringLiteral("Image%1").arg(image))->isVisibleTo(roulette_->screen());
        };
        roulette_->screen()->onBlinkTick();
        QCOMPARE((QList<bool>{shown(1), shown(2), shown(3), shown(4)}), (QList<bool>{false, true, false, true}));
        app_->navigator.show(ScreenId::Roulette);
        roulette_->screen()->onBlinkTick();
        QCOMPARE((QList<bool>{shown(1), shown(2), shown(3), shown(4)}), (QList<bool>{true, false, true, false}));
        QVERIFY(!app_->forms.rouletteBlink);
    }

private:
    std::optional<TestApp> app_;
    std::optional<RouletteDriver> roulette_;
};

QTEST_MAIN(RouletteScreenTest)
#include "tst_roulette_screen.moc"
