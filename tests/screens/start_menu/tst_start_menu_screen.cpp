// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/progress_files.h"
#include "fakes/test_app.h"

#include <QPushButton>
#include <QTest>

using namespace piyota;
using namespace piyota::testing;

Q_DECLARE_METATYPE(piyota::ScreenId)

// The start menu's prompts and way on; what starting and continuing do
// to the course is tested without widgets (tst_course_session).
class StartMenuScreenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        app_.emplace();
        app_->navigator.show(ScreenId::StartMenu);
        QCOMPARE(app_->navigator.currentScreen()->windowTitle(),
                 QStringLiteral(" ぴよたの研修旅行2008(２次関数の巻) for Windows"));
    }

    void startAsksForTheCodeAndOpensTheFirstStage()
    {
        app_->dialogs.inputAnswers = {QStringLiteral("kenta")};
        click(QStringLiteral("Command1"));
        checkCodePrompt(QStringLiteral("ユーザーコード入力"));
        QCOMPARE(app_->course.userCode, QStringLiteral("kenta"));
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
    }

    void continueAsksForTheCodeAndOpensTheStageOfTheFile()
    {
        QVERIFY(writeBytes(app_->filePath(QStringLiteral("aiko.ucd")), progressFileAt(16, -3000)));
        app_->dialogs.inputAnswers = {QStringLiteral("aiko")};
        click(QStringLiteral("Command2"));
        checkCodePrompt(QStringLiteral("  ユーザーコード入力"));
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage2Quiz);
        QCOMPARE(app_->course.userCode, QStringLiteral("aiko"));
    }

    void failuresEndTheProgramSilently_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("code");
        QTest::newRow("continue, no progress file") << QStringLiteral("Command2") << QStringLiteral("nobody");
        QTest::newRow("start, a path for a code") << QStringLiteral("Command1") << QStringLiteral("a/b");
    }

    void failuresEndTheProgramSilently()
    {
        QFETCH(QString, button);
        QFETCH(QString, code);
        app_->dialogs.inputAnswers = {code};
        click(button);
        QVERIFY(app_->exitCode.has_value());
        QVERIFY(*app_->exitCode != 0);
        QCOMPARE(app_->dialogs.asked.size(), 1); // the code prompt, and no message
        QCOMPARE(app_->navigator.currentScreen(), nullptr);
        QCOMPARE(QDir(app_->workDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

private:
    // The one dialog so far: the code's input box, titled `title`.
    void checkCodePrompt(const QString &title) const
    {
        QCOMPARE(app_->dialogs.asked.size(), 1);
        QCOMPARE(app_->dialogs.asked[0].kind, QStringLiteral("input"));
        QCOMPARE(app_->dialogs.asked[0].title, title);
        QCOMPARE(app_->dialogs.asked[0].text, QStringLiteral("半角８文字以内で、ユーザーコードを入力してください・・・"));
    }
    void click(const QString &name)
    {
        app_->navigator.currentScreen()->findChild<QPushButton *>(name)->click();
    }

    std::optional<TestApp> app_;
};

QTEST_MAIN(StartMenuScreenTest)
#include "tst_start_menu_screen.moc"
