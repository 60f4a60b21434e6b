#include "directory_fault.h"

#include "screens/common/captions.h"
#include "screens/quiz/quiz_driver.h"

#include <QTest>

using namespace piyota;
using namespace piyota::testing;

namespace {

// The ways a student leaves the quiz screen, each of which saves first.
enum class Leave { Help, Quit, NextAtEndOfGroup };

} // namespace

// A save that the disk refuses when the student leaves the quiz screen: the
// screen stays open, says so, and keeps the values of the answers given;
// the file on disk stays as it was.
class QuizSaveFailuresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failedSaveKeepsTheScreenAndTheValues_data()
    {
        QTest::addColumn<DirectoryFault::Kind>("kind");
        QTest::addColumn<Leave>("leave");
        const std::pair<const char *, DirectoryFault::Kind> kinds[] = {
            {"read-only directory", DirectoryFault::Kind::ReadOnly},
            {"full file system", DirectoryFault::Kind::Full},
        };
        const std::pair<const char *, Leave> leaves[] = {
            {"HELP", Leave::Help}, {"quit", Leave::Quit}, {"next at the end of a group", Leave::NextAtEndOfGroup}};
        for (const auto &[kindName, kind] : kinds) {
            for (const auto &[leaveName, leave] : leaves)
                QTest::addRow("%s, %s", kindName, leaveName) << kind << leave;
        }
    }

    void failedSaveKeepsTheScreenAndTheValues()
    {
        QFETCH(DirectoryFault::Kind, kind);
        QFETCH(Leave, leave);
        TestApp app;
        QuizDriver quiz(app);
        DirectoryFault fault(app.workDir.path());
        if (const QString why = fault.whyUnavailable(kind); !why.isEmpty())
            QSKIP(qPrintable(why));
        qInfo("made by %s", qPrintable(fault.method(kind)));

        // Problem 10 ends a group; on 7 the student answers wrong first.
        const bool next = leave == Leave::NextAtEndOfGroup;
        const int problem = next ? 10 : 7;
        quiz.drawLayouts({1});
        quiz.openAt(problem, 27000);
        const QByteArray previous = quiz.savedFile();
        QCOMPARE(previous, progressFileAt(problem, 27000));
        if (next)
            quiz.answerRight();
        else
            quiz.answerWrong();

        QVERIFY(fault.start(kind));
        switch (leave) {
        case Leave::Help:
            quiz.help();
            break;
        case Leave::Quit:
            app.dialogs.yesNoAnswers = {true};
            quiz.quit();
            break;
        case Leave::NextAtEndOfGroup:
            quiz.next();
            break;
        }

        QCOMPARE(app.navigator.currentId(), ScreenId::Stage1Quiz);
        QVERIFY(!app.exitCode);
        QCOMPARE(app.dialogs.asked.last().kind, QStringLiteral("inform"));
        QCOMPARE(app.dialogs.asked.last().text, Caption::saveFailed);
        QCOMPARE(quiz.savedFile(), previous);
        QCOMPARE(int(app.course.problemNo), next ? 11 : 7);
        QCOMPARE(app.course.score, next ? 30000.0 : 24000.0);
        QCOMPARE(app.course.missCount[problem], next ? 0 : 1);
        QVERIFY(fault.stop(kind));
    }
};

QTEST_MAIN(QuizSaveFailuresTest)
#include "tst_quiz_save_failures.moc"
