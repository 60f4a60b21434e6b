// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/test_app.h"

#include "common/screen.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace piyota;
using namespace piyota::testing;

namespace {

// A screen that counts its activations, and may switch on from its activation.
class CountingScreen final : public Screen {
public:
    CountingScreen(AppContext &app, ScreenId id, QMap<ScreenId, int> &activations)
        : Screen(app), id_(id), activations_(activations)
    {
    }
    void activate() override { ++activations_[id_]; }

private:
    ScreenId id_;
    QMap<ScreenId, int> &activations_;
};

} // namespace

class NavigatorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        activations_.clear();
        app_.emplace([this](ScreenId id, AppContext &app) -> std::unique_ptr<Screen> {
            return std::make_unique<CountingScreen>(app, id, activations_);
        });
    }

    void showsOneScreenAtATimeAndActivatesItOnce()
    {
        QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
        app_->navigator.show(ScreenId::Title);
        QPointer<Screen> title = app_->navigator.currentScreen();
        QVERIFY(title->isVisible());
        app_->navigator.show(ScreenId::StartMenu);
        Screen *menu = app_->navigator.currentScreen();
        QVERIFY(menu->isVisible());
        QVERIFY(!title->isVisible());
        QCOMPARE(app_->navigator.currentId(), ScreenId::StartMenu);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(title.isNull()); // the old window is destroyed
        QCOMPARE(activations_.value(ScreenId::Title), 1);
        QCOMPARE(activations_.value(ScreenId::StartMenu), 1);
        QCOMPARE(lastWindowClosed.count(), 0);
        QVERIFY(!app_->exitCode);
    }

    void windowActivationDoesNotRerunTheScreensActivation()
    {
        app_->navigator.show(ScreenId::Stage1Quiz);
        Screen *quiz = app_->navigator.currentScreen();
        // What a closing message box or a return from another application sends.
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(quiz, &activate);
        quiz->activateWindow();
        QCoreApplication::processEvents();
        QCOMPARE(activations_.value(ScreenId::Stage1Quiz), 1);
    }

    void reopeningAScreenActivatesItAgain()
    {
        app_->navigator.show(ScreenId::Stage1Quiz);
        app_->navigator.show(ScreenId::Lecture);
        app_->navigator.show(ScreenId::Stage1Quiz);
        QCOMPARE(activations_.value(ScreenId::Stage1Quiz), 2);
        QCOMPARE(activations_.value(ScreenId::Lecture), 1);
    }

    void closeBoxEndsTheProgramWithoutSaving()
    {
        app_->course.startFresh();
        app_->course.userCode = QStringLiteral("zq");
        app_->navigator.show(ScreenId::Stage1Quiz);
        QPointer<Screen> quiz = app_->navigator.currentScreen();
        quiz->close(); // as the window's close box does
        QCOMPARE(app_->exitCode, std::optional<int>(0));
        QVERIFY(!QFile::exists(app_->filePath(QStringLiteral("zq.ucd"))));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(quiz.isNull());
    }

    void nothingIsShownAfterTheEnd()
    {
        app_->navigator.show(ScreenId::Title);
        app_->navigator.endProgram(3);
        QCOMPARE(app_->exitCode, std::optional<int>(3));
        app_->navigator.show(ScreenId::StartMenu);
        QCOMPARE(app_->navigator.currentScreen(), nullptr);
        QCOMPARE(activations_.value(ScreenId::StartMenu), 0);
        app_->navigator.endProgram(0); // a second end changes nothing
        QCOMPARE(app_->exitCode, std::optional<int>(3));
    }

private:
    QMap<ScreenId, int> activations_;
    std::optional<TestApp> app_;
};

QTEST_MAIN(NavigatorTest)
#include "tst_navigator.moc"
