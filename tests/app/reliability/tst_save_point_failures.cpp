#include "directory_fault.h"

#include "fakes/file_saves.h"
#include "fakes/screen_snapshot.h"
#include "screens/quiz/quiz_driver.h"
#include "screens/roulette/roulette_driver.h"

#include <QTest>

using namespace piyota;
using namespace piyota::testing;

Q_DECLARE_METATYPE(piyota::ScreenId)

namespace {

// The clicks that save the progress file before the student goes on.
enum class SavePoint { Help, Quit, NextAtEndOfGroup, NextAfterLastProblem, RouletteNext, RouletteNextAtTheEnd };

const QString kSaveFailed = QStringLiteral("学習の記録を保存できませんでした。\nもう一度ためしてください。");

// A progress file at `problemNo` whose line for `problem` reads `line`.
QByteArray fileWithLine(int problemNo, int score, int problem, const QByteArray &line)
{
    QList<QByteArray> lines = progressFileAt(problemNo, score).split('\n');
    lines[problem] = line + '\r';
    return lines.join('\n');
}

} // namespace

// A save point whose file the disk refuses changes nothing: the screen stays
// as it was before the click, with every value and control, and says so;
// the file stays as it was. Once the disk takes files again, the same click
// goes on as if nothing had happened.
class SavePointFailuresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failedSaveChangesNothingAndTheSameClickGoesOn_data()
    {
        QTest::addColumn<DirectoryFault::Kind>("kind");
        QTest::addColumn<SavePoint>("point");
        QTest::addColumn<ScreenId>("then");          // where the retried click leads
        QTest::addColumn<int>("saves");              // how often it saves
        QTest::addColumn<QByteArray>("savedFile");   // and what
        const std::pair<const char *, DirectoryFault::Kind> kinds[] = {
            {"read-only directory", DirectoryFault::Kind::ReadOnly},
            {"full file system", DirectoryFault::Kind::Full},
        };
        // Problem 7 was started at 1000.5 and answered wrong once; problems
        // 10 and 30 were answered right 49 whole seconds after their start,
        // and the roulette added 30000.
        for (const auto &[kindName, kind] : kinds) {
            QTest::addRow("%s, HELP", kindName)
                << kind << SavePoint::Help << ScreenId::Lecture << 1 << progressFileAt(7, 24000, "1,1000.5");
            QTest::addRow("%s, quit", kindName)
                << kind << SavePoint::Quit << ScreenId::History << 1 << progressFileAt(7, 24000, "1,1000.5");
            QTest::addRow("%s, next after problem 10", kindName)
                << kind << SavePoint::NextAtEndOfGroup << ScreenId::Roulette << 1 << fileWithLine(11, 30000, 10, "0,49");
            QTest::addRow("%s, next after problem 30", kindName)
                << kind << SavePoint::NextAfterLastProblem << ScreenId::Roulette << 1
                << fileWithLine(30, 30000, 30, "0,49");
            QTest::addRow("%s, roulette's next after problem 10", kindName)
                << kind << SavePoint::RouletteNext << ScreenId::Stage1Quiz << 1 << fileWithLine(11, 60000, 10, "0,49");
            QTest::addRow("%s, roulette's next after problem 30", kindName)
                << kind << SavePoint::RouletteNextAtTheEnd << ScreenId::History << 2
                << fileWithLine(30, 60000, 30, "0,49");
        }
    }

    void failedSaveChangesNothingAndTheSameClickGoesOn()
    {
        QFETCH(DirectoryFault::Kind, kind);
        QFETCH(SavePoint, point);
        QFETCH(ScreenId, then);
        QFETCH(int, saves);
        QFETCH(QByteArray, savedFile);
        TestApp app;
        QuizDriver quiz(app);
        RouletteDriver roulette(app);
        DirectoryFault fault(app.workDir.path());
        if (const QString why = fault.whyUnavailable(kind); !why.isEmpty())
            QSKIP(qPrintable(why));
        qInfo("made by %s", qPrintable(fault.method(kind)));

        app.clock.now = 1040.75f;
        switch (point) {
        case SavePoint::Help:
        case SavePoint::Quit:
            quiz.openAt(7, 27000, "0,1000.5");
            quiz.answerWrong();
            break;
        case SavePoint::NextAtEndOfGroup:
        case SavePoint::NextAfterLastProblem:
        case SavePoint::RouletteNext:
        case SavePoint::RouletteNextAtTheEnd: {
            const bool last = point == SavePoint::NextAfterLastProblem || point == SavePoint::RouletteNextAtTheEnd;
            quiz.openAt(last ? 30 : 10, 27000, "0,1000.5");
            quiz.answerRight();
            break;
        }
        }
        const bool onRoulette = point == SavePoint::RouletteNext || point == SavePoint::RouletteNextAtTheEnd;
        if (onRoulette) {
            app.clock.now = 1050.25f; // the time counts until the click that saves
            quiz.next();
            QCOMPARE(app.navigator.currentId(), ScreenId::Roulette);
            roulette.spin(0.5f); // cell 12: +30000
        }

        auto click = [&] {
            switch (point) {
            case SavePoint::Help:
                return quiz.help();
            case SavePoint::Quit:
                app.dialogs.yesNoAnswers = {true};
                return quiz.quit();
            case SavePoint::NextAtEndOfGroup:
            case SavePoint::NextAfterLastProblem:
                return quiz.next();
            case SavePoint::RouletteNext:
            case SavePoint::RouletteNextAtTheEnd:
                return roulette.next();
            }
        };
        const QWidget *screen = app.navigator.currentScreen();
        const QStringList before = screenSnapshot(app);
        const QByteArray fileBefore = quiz.savedFile();
        QVERIFY(fault.start(kind));
        click();

        QCOMPARE(app.navigator.currentScreen(), screen);
        QCOMPARE(screenSnapshot(app), before);
        QCOMPARE(app.dialogs.asked.last().kind, QStringLiteral("inform"));
        QCOMPARE(app.dialogs.asked.last().text, kSaveFailed);
        QCOMPARE(app.dialogs.asked.last().title, QStringLiteral("ぴよたの研修旅行2008"));
        QCOMPARE(quiz.savedFile(), fileBefore);
        QVERIFY(!app.exitCode);

        QVERIFY(fault.stop(kind));
        app.clock.now = 1050.25f;
        FileSaves fileSaves(app.workDir.path(), QStringLiteral("zq.ucd"));
        click();
        QCOMPARE(app.navigator.currentId(), then);
        QCOMPARE(fileSaves.take(), saves);
        QCOMPARE(quiz.savedFile(), savedFile);
        QVERIFY(!app.exitCode);
    }
};

QTEST_MAIN(SavePointFailuresTest)
#include "tst_save_point_failures.moc"
