// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up work put off until the first window is on the screen: it runs once,
// after that window has painted, and not before a window is shown.
#include "first_frame.h"

#include <QTest>
#include <QWidget>

using namespace piyota;

namespace {

// Writes down in one log when it paints.
class LoggingWindow final : public QWidget {
public:
    explicit LoggingWindow(QStringList &log)
        : log_(log)
    {
        resize(120, 80);
    }

protected:
    void paintEvent(QPaintEvent *) override { log_.append(QStringLiteral("paint")); }

private:
    QStringList &log_;
};

} // namespace

class TestFirstFrame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void runsOnceAfterTheFirstWindowPainted()
    {
        QStringList log;
        runAfterFirstFrame([&log] { log.append(QStringLiteral("task")); });
        QTest::qWait(50);
        QVERIFY(log.isEmpty()); // no window yet: it waits

        LoggingWindow first(log);
        first.show();
        QTRY_VERIFY(log.contains(QStringLiteral("task")));
        QCOMPARE(log.first(), QStringLiteral("paint"));

        LoggingWindow second(log);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QTest::qWait(50);
        QCOMPARE(log.count(QStringLiteral("task")), 1);
    }
};

QTEST_MAIN(TestFirstFrame)
#include "tst_first_frame.moc"
