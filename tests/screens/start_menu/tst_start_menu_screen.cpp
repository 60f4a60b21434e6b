#include "fakes/progress_files.h"
#include "fakes/test_app.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace piyota;
using namespace piyota::testing;

Q_DECLARE_METATYPE(piyota::ScreenId)

namespace {

QByteArray freshFile()
{
    return progressFileAt(1, 0);
}

} // namespace

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

    void startFromTheBeginningWritesAFreshFile()
    {
        write(QStringLiteral("kenta.ucd"), progressFileAt(12, 27000));
        app_->dialogs.inputAnswers = {QStringLiteral("kenta")};
        click(QStringLiteral("Command1"));
        QCOMPARE(app_->dialogs.asked.size(), 1);
        QCOMPARE(app_->dialogs.asked[0].title, QStringLiteral("ユーザーコード入力"));
        QCOMPARE(app_->dialogs.asked[0].text,
                 QStringLiteral("半角８文字以内で、ユーザーコードを入力してください・・・"));
        QCOMPARE(read(QStringLiteral("kenta.ucd")), freshFile()); // overwritten without asking
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
        QVERIFY(!app_->course.resumed);
        QCOMPARE(app_->media.steps().mid(0, 5),
                 (QStringList{QStringLiteral("Command=Stop"), QStringLiteral("Command=Close"),
                              QStringLiteral("FileName=pinpon.wav"), QStringLiteral("Command=Open"),
                              QStringLiteral("Command=Sound")}));
    }

    void startWithNoCodeUsesZq()
    {
        click(QStringLiteral("Command1")); // Cancel: empty text
        QCOMPARE(app_->course.userCode, QStringLiteral("zq"));
        QCOMPARE(read(QStringLiteral("zq.ucd")), freshFile());
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
    }

    void continueRoutesByProblemNumber_data()
    {
        QTest::addColumn<int>("problemNo");
        QTest::addColumn<ScreenId>("expected");
        QTest::newRow("problem 15 in stage 1") << 15 << ScreenId::Stage1Quiz;
        QTest::newRow("problem 16 in stage 2") << 16 << ScreenId::Stage2Quiz;
        QTest::newRow("finished course in stage 2") << 30 << ScreenId::Stage2Quiz;
    }

    void continueRoutesByProblemNumber()
    {
        QFETCH(int, problemNo);
        QFETCH(ScreenId, expected);
        const QByteArray saved = progressFileAt(problemNo, -3000, "2,1234.5");
        write(QStringLiteral("aiko.ucd"), saved);
        app_->clock.now = 50000.5f;
        app_->dialogs.inputAnswers = {QStringLiteral("aiko")};
        click(QStringLiteral("Command2"));
        QCOMPARE(app_->dialogs.asked[0].title, QStringLiteral("  ユーザーコード入力"));
        QCOMPARE(app_->navigator.currentId(), expected);
        QCOMPARE(app_->course.problemNo, std::int16_t(problemNo));
        QCOMPARE(app_->course.score, -3000.0);
        QCOMPARE(app_->course.missCount[problemNo], 2);
        QCOMPARE(app_->course.missCount[1], 1);
        // The problem in progress counts its time from now.
        QCOMPARE(app_->course.answerSeconds[problemNo], 50000.5f);
        QVERIFY(app_->course.resumed);
        QCOMPARE(read(QStringLiteral("aiko.ucd")), saved); // nothing written
    }

    void continueWithNoCodeStartsAfreshUnderZq()
    {
        write(QStringLiteral("zq.ucd"), progressFileAt(20, 45000));
        click(QStringLiteral("Command2"));
        QCOMPARE(read(QStringLiteral("zq.ucd")), freshFile());
        QCOMPARE(app_->course.userCode, QStringLiteral("zq"));
        QVERIFY(app_->course.resumed);
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
    }

    void continueFailuresEndTheProgramSilently_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("no progress file") << QStringLiteral("nobody") << QByteArray();
        QTest::newRow("file ends early") << QStringLiteral("short") << freshFile().left(40);
        QTest::newRow("problem number 31") << QStringLiteral("big") << progressFileAt(31, 0);
        QTest::newRow("path separator") << QStringLiteral("../x") << QByteArray();
    }

    void continueFailuresEndTheProgramSilently()
    {
        QFETCH(QString, code);
        QFETCH(QByteArray, file);
        if (!file.isEmpty())
            write(code + QStringLiteral(".ucd"), file);
        app_->dialogs.inputAnswers = {code};
        click(QStringLiteral("Command2"));
        QVERIFY(app_->exitCode.has_value());
        QVERIFY(*app_->exitCode != 0);
        QCOMPARE(app_->dialogs.asked.size(), 1); // the code prompt, and no message
        QCOMPARE(app_->navigator.currentScreen(), nullptr);
    }

    void startWithAnUnusableCodeWritesNothing()
    {
        app_->dialogs.inputAnswers = {QStringLiteral("a/b")};
        click(QStringLiteral("Command1"));
        QVERIFY(app_->exitCode.has_value());
        QVERIFY(*app_->exitCode != 0);
        QCOMPARE(QDir(app_->workDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

private:
    void click(const QString &name)
    {
        app_->navigator.currentScreen()->findChild<QPushButton *>(name)->click();
    }
    void write(const QString &name, const QByteArray &bytes)
    {
        QVERIFY(writeBytes(app_->filePath(name), bytes));
    }
    QByteArray read(const QString &name) const { return readBytes(app_->filePath(name)); }

    std::optional<TestApp> app_;
};

QTEST_MAIN(StartMenuScreenTest)
#include "tst_start_menu_screen.moc"
