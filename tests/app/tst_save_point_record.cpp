// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/file_saves.h"
#include "fakes/progress_files.h"
#include "fakes/test_app.h"

#include "progress_format.h"
#include "content/reader/transcription.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace piyota;
using namespace piyota::testing;

namespace {

// Plays one scripted run through the real screens, by their controls'
// names only, with a clock that runs on by odd fractions and crosses
// midnight, and a fixed row of random numbers. After every click it notes
// the saves of the progress file and the file as it then stands. The record
// of two builds of the program can be compared byte for byte: with
// PIYOTA_SAVE_POINT_RECORD set, it is written to that file.
class ScriptedStudent {
public:
    explicit ScriptedStudent(TestApp &app)
        : app_(app), saves_(app.directory.path(), QStringLiteral("kana.ucd"))
    {
        for (int i = 1; i <= 400; ++i)
            app_.random.values.push_back(static_cast<float>(std::fmod(i * 0.6180339887, 1.0)));
        app_.clock.now = 86100.25f;
    }

    // Clicks the button named `name` of the open screen, the clock having
    // run on by `seconds`, and notes what the click saved.
    void click(const QString &name, float seconds = 7.37f)
    {
        app_.clock.now += seconds;
        if (app_.clock.now >= 86400)
            app_.clock.now -= 86400;
        QPushButton *button = app_.navigator.currentScreen()->findChild<QPushButton *>(name);
        QVERIFY2(button, qPrintable(name));
        button->click();
        note(name);
    }

    // Ticks a timer of the open screen until `button` is enabled.
    void tickUntilEnabled(const QString &timer, const QString &button)
    {
        QObject *screen = app_.navigator.currentScreen();
        for (int tick = 0; tick < 100 && !screen->findChild<QPushButton *>(button)->isEnabled(); ++tick)
            QMetaObject::invokeMethod(screen->findChild<QTimer *>(timer), "timeout");
    }

    void answer(bool right)
    {
        const int key = transcription::correctButton(app_.course.problemNo, app_.course.layoutNo);
        click(QStringLiteral("Command%1").arg(right ? key : key % 7 + 1));
    }

    // A wrong answer, the lecture read to its end (or left at once), the
    // right answer and 次へ.
    void solveAfterLecture(bool readToTheEnd)
    {
        answer(false);
        click(QStringLiteral("Command9"));
        if (!readToTheEnd) {
            click(QStringLiteral("Command2"));
        } else {
            while (app_.navigator.currentId() == ScreenId::Lecture)
                click(QStringLiteral("Command1"));
        }
        answer(true);
        click(QStringLiteral("Command11"));
    }

    void spinAndGoOn()
    {
        click(QStringLiteral("Command1"));
        click(QStringLiteral("Command2"));
        tickUntilEnabled(QStringLiteral("Timer3"), QStringLiteral("Command3"));
        note(QStringLiteral("spin"));
        click(QStringLiteral("Command3"));
    }

    // Plays from the problem in progress up to `last`, through the roulette
    // at the end of each group.
    void playUpTo(int last)
    {
        while (!QTest::currentTestFailed() && app_.course.problemNo <= last) {
            const int p = app_.course.problemNo;
            if (p % 4 == 2) {
                solveAfterLecture(p % 8 == 2);
            } else {
                answer(true);
                click(QStringLiteral("Command11"), 1.5f + static_cast<float>(p));
            }
            if (app_.navigator.currentId() == ScreenId::Roulette)
                spinAndGoOn();
            if (p == 30)
                return;
        }
    }

    QByteArray record() const { return record_; }
    int saveCount() const { return saveCount_; }

private:
    void note(const QString &what)
    {
        const int saves = saves_.take();
        saveCount_ += saves;
        record_ += what.toLatin1() + " saves " + QByteArray::number(saves) + " on "
                   + QByteArray::number(int(app_.navigator.currentId())) + '\n';
        if (saves == 0)
            return;
        const QByteArray file = readBytes(app_.filePath(QStringLiteral("kana.ucd")));
        record_ += file;
        // A save point writes the course as it stands after the click.
        const auto saved = parseProgress(file);
        QVERIFY(saved);
        QCOMPARE(saved->problemNo, app_.course.problemNo);
        QCOMPARE(saved->score, app_.course.score);
        QCOMPARE(saved->missCount, app_.course.missCount);
    }

    TestApp &app_;
    FileSaves saves_;
    QByteArray record_;
    int saveCount_ = 0;
};

} // namespace

// One scripted run, from a fresh start through a quit, a continue in a new
// run of the program and the whole rest of the course.
class SavePointRecordTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scriptedRunSavesAtEverySavePoint()
    {
        QTemporaryDir directory;
        QByteArray record;
        {
            TestApp app(directory.path());
            ScriptedStudent student(app);
            app.navigator.show(ScreenId::Title);
            student.click(QStringLiteral("Command1"));
            app.dialogs.inputAnswers = {QStringLiteral("kana")};
            student.click(QStringLiteral("Command1")); // start afresh
            student.playUpTo(11);
            // A right answer, then a wrong one, then quitting.
            student.answer(true);
            student.answer(false);
            app.dialogs.yesNoAnswers = {true};
            student.click(QStringLiteral("Command10"));
            QCOMPARE(app.navigator.currentId(), ScreenId::History);
            // The fresh start, three helps, two groups ended (the quiz's 次へ
            // and the roulette's) and the quit.
            QCOMPARE(student.saveCount(), 1 + 3 + 2 * 2 + 1);
            record += student.record();
        }
        {
            TestApp app(directory.path());
            ScriptedStudent student(app);
            app.navigator.show(ScreenId::StartMenu);
            app.dialogs.inputAnswers = {QStringLiteral("kana")};
            student.click(QStringLiteral("Command2")); // continue
            student.playUpTo(30);
            QCOMPARE(app.navigator.currentId(), ScreenId::History);
            // A layout for each of problems 12 to 30, a draw per roulette.
            QCOMPARE(app.random.seeds.size(), 19 + 4);
            // No save for the continue; five helps, three groups ended, and
            // the last one saved three times: by the quiz, and twice by the
            // roulette before the board.
            QCOMPARE(student.saveCount(), 5 + 3 * 2 + 3);
            record += student.record();
        }
        if (const QByteArray path = qgetenv("PIYOTA_SAVE_POINT_RECORD"); !path.isEmpty())
            QVERIFY(writeBytes(QString::fromLocal8Bit(path), record));
    }
};

QTEST_MAIN(SavePointRecordTest)
#include "tst_save_point_record.moc"
