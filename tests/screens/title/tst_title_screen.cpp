// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/test_app.h"

#include "title/title_screen.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace piyota;
using namespace piyota::testing;

class TitleScreenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        app_.emplace();
        app_->navigator.show(ScreenId::Title);
    }

    void windowTitle()
    {
        QCOMPARE(screen()->windowTitle(), QStringLiteral(" ぴよたの研修旅行2008（２次関数の巻） for Windows"));
    }

    void characterWavesFromTheFirstTick()
    {
        QVERIFY(image(QStringLiteral("Image1"))->isVisibleTo(screen()));
        QVERIFY(image(QStringLiteral("Image3"))->isVisibleTo(screen()));
        QList<bool> image1Shown;
        for (int tick = 0; tick < 4; ++tick) {
            screen()->onBlinkTick();
            const bool shown1 = image(QStringLiteral("Image1"))->isVisibleTo(screen());
            QCOMPARE(image(QStringLiteral("Image3"))->isVisibleTo(screen()), !shown1);
            image1Shown.append(shown1);
        }
        // blinkState starts at 0: the first tick shows Image3.
        QCOMPARE(image1Shown, (QList<bool>{false, true, false, true}));
    }

    void quitAnsweredNoKeepsTheScreenSilentAndWorking()
    {
        app_->dialogs.yesNoAnswers = {false};
        button(QStringLiteral("Command2"))->click();
        QCOMPARE(app_->dialogs.asked.size(), 1);
        QCOMPARE(app_->dialogs.asked[0].text, QStringLiteral("終了していいですか？"));
        QCOMPARE(app_->dialogs.asked[0].title, QStringLiteral("ぴよたの研修旅行2006"));
        QVERIFY(!app_->exitCode);
        QCOMPARE(app_->navigator.currentId(), ScreenId::Title);
        const bool before = image(QStringLiteral("Image1"))->isVisibleTo(screen());
        screen()->onBlinkTick();
        screen()->onBlinkTick();
        screen()->onBlinkTick();
        QCOMPARE(image(QStringLiteral("Image1"))->isVisibleTo(screen()), !before);

        button(QStringLiteral("Command1"))->click();
        QCOMPARE(app_->navigator.currentId(), ScreenId::StartMenu);
    }

    void quitAnsweredYesEndsTheProgram()
    {
        app_->dialogs.yesNoAnswers = {true};
        button(QStringLiteral("Command2"))->click();
        QCOMPARE(app_->exitCode, std::optional<int>(0));
    }

    void blinkStateOutlivesTheWindow()
    {
        screen()->onBlinkTick();
        QVERIFY(app_->forms.titleBlink);
    }

private:
    TitleScreen *screen() const { return qobject_cast<TitleScreen *>(app_->navigator.currentScreen()); }
    QPushButton *button(const QString &name) const { return screen()->findChild<QPushButton *>(name); }
    QLabel *image(const QString &name) const { return screen()->findChild<QLabel *>(name); }

    std::optional<TestApp> app_;
};

QTEST_MAIN(TitleScreenTest)
#include "tst_title_screen.moc"
