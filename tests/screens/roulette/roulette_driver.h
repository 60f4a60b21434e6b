// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakes/test_app.h"

#include "canvas.h"
#include "roulette/roulette_screen.h"
#include "roulette/wheel_geometry.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace piyota::testing {

// Drives the roulette that is open in a TestApp; its timers tick when told.
class RouletteDriver {
public:
    explicit RouletteDriver(TestApp &app) : app_(app) {}

    RouletteScreen *screen() const { return qobject_cast<RouletteScreen *>(app_.navigator.currentScreen()); }
    QPushButton *button(int number) const
    {
        return screen()->findChild<QPushButton *>(QStringLiteral("Command%1").arg(number));
    }
    QLabel *label(int number) const { return screen()->findChild<QLabel *>(QStringLiteral("Label%1").arg(number)); }
    QTimer *timer(const QString &name) const { return screen()->findChild<QTimer *>(name); }
    Canvas *wheel() const { return screen()->findChild<Canvas *>(QStringLiteral("Picture1")); }

    // The colour of the canvas pixel a point in wheel units falls in.
    QColor colourAt(QPointF point) const
    {
        const QPointF pixel = wheel()->surface().coordinates().toPixels(point.x(), point.y());
        return wheel()->image().pixelColor(int(std::floor(pixel.x())), int(std::floor(pixel.y())));
    }
    // Where the ball stands in cell c (counted from east, 15 degrees each).
    QColor ballSpot(int cell) const
    {
        return colourAt(roulette::wheelPoint(cell * 3.141592 / 12, roulette::kTrackRadius));
    }

    // Start, a few ticks of free spin, Stop with the given draw, and the
    // run-out up to the ball's resting place; the run-out's ticks.
    int spin(float stopDraw, int freeTicks = 5)
    {
        button(1)->click();
        for (int tick = 0; tick < freeTicks; ++tick)
            screen()->onSpinTick();
        app_.random.values.push_back(stopDraw);
        button(2)->click();
        int ticks = 0;
        while (!button(3)->isEnabled() && ticks < 100) {
            screen()->onRunOutTick();
            ++ticks;
        }
        return ticks;
    }
    void next() { button(3)->click(); }

private:
    TestApp &app_;
};

} // namespace piyota::testing
