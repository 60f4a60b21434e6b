#include "screens/quiz/quiz_driver.h"

#include <QTest>

using namespace piyota;
using namespace piyota::testing;

// Plays the course from the start menu to the end of problem 30 through the
// real screens, answering every problem right, in one layout throughout.
class WholeCourseTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void playsEveryProblemInEachLayout_data()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("layout 1") << 1;
        QTest::newRow("layout 2") << 2;
        QTest::newRow("layout 3") << 3;
    }

    void playsEveryProblemInEachLayout()
    {
        QFETCH(int, layout);
        TestApp app;
        QuizDriver quiz(app);
        for (int i = 0; i < 30; ++i)
            quiz.drawLayouts({layout});
        app.clock.now = 30000;

        app.navigator.show(ScreenId::StartMenu);
        app.dialogs.inputAnswers = {QStringLiteral("zq")};
        app.navigator.currentScreen()->findChild<QPushButton *>(QStringLiteral("Command1"))->click();

        for (int p = 1; p <= 30; ++p) {
            QCOMPARE(int(app.course.problemNo), p);
            QCOMPARE(int(app.course.layoutNo), layout);
            QVERIFY2(quiz.picture(1)->printedText().contains(content::problemTitle(p)), qPrintable(QString::number(p)));
            app.clock.now += 12.5f + static_cast<float>(p); // p + 12 whole seconds on problem p
            quiz.answerRight();
            QCOMPARE(app.course.score, 3000.0 * p);
            QVERIFY(quiz.button(11)->isEnabled());
            quiz.next();
            if (p % 5 != 0) {
                QCOMPARE(app.navigator.currentId(), p < 15 ? ScreenId::Stage1Quiz : ScreenId::Stage2Quiz);
                continue;
            }
            QCOMPARE(app.navigator.currentId(), ScreenId::Roulette);
            const QList<QByteArray> lines = quiz.savedFile().split('\n');
            QCOMPARE(lines.size(), 32);
            QCOMPARE(lines[0], QByteArray::number(std::min(p + 1, 30)) + ',' + QByteArray::number(3000 * p) + '\r');
            for (int done = 1; done <= p; ++done)
                QCOMPARE(lines[done], "0," + QByteArray::number(done + 12) + '\r');
            for (int later = p + 1; later <= 30; ++later)
                QCOMPARE(lines[later], QByteArray("0,0\r"));
            if (p < 30) // what the roulette's "次へ" does
                app.navigator.show(p < 15 ? ScreenId::Stage1Quiz : ScreenId::Stage2Quiz);
        }
        QCOMPARE(app.random.seeds.size(), 30); // one layout drawn per problem
        QVERIFY(!app.exitCode);
    }
};

QTEST_MAIN(WholeCourseTest)
#include "tst_whole_course.moc"
