// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard_student.h"
#include "screens/quiz/quiz_driver.h"

#include "content/reader/transcription.h"
#include "roulette/roulette_screen.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace piyota;
using namespace piyota::testing;

Q_DECLARE_METATYPE(piyota::ScreenId)
Q_DECLARE_METATYPE(piyota::testing::KeyRepeats)

namespace {

// Buttons whose press moves the focus to another button, or shows a screen
// whose first button has it.
enum class HeldOn {
    RightAnswer, // the focus goes to 次へ
    WrongAnswer, // to HELP
    RouletteStart, // to Stop
    TitleNext,   // to the start menu's 初めからやる
};

} // namespace

Q_DECLARE_METATYPE(HeldOn)

namespace {

QPushButton *button(TestApp &app, int number)
{
    return app.navigator.currentScreen()->findChild<QPushButton *>(QStringLiteral("Command%1").arg(number));
}

QString labelText(TestApp &app, int number)
{
    return app.navigator.currentScreen()->findChild<QLabel *>(QStringLiteral("Label%1").arg(number))->text();
}

int rightAnswer(const TestApp &app)
{
    return transcription::correctButton(app.course.problemNo, app.course.layoutNo);
}

// Opens a screen as the course comes to it.
void openScreen(TestApp &app, ScreenId id)
{
    // The quiz and the lecture read the course's progress file.
    if (id == ScreenId::Stage1Quiz || id == ScreenId::Lecture)
        QuizDriver(app).openAt(3);
    if (id != ScreenId::Stage1Quiz)
        app.navigator.show(id);
}

} // namespace

// The course played with the keyboard alone, and the keyboard's way round
// every screen.
class KeyboardCourseTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void playsAGroupWithKeysOnly()
    {
        TestApp app;
        KeyboardStudent student(app);
        app.navigator.show(ScreenId::StartMenu);
        QCOMPARE(student.focused(), QStringLiteral("Command1")); // 初めからやる
        app.dialogs.inputAnswers = {QStringLiteral("kb")};
        student.press(Qt::Key_Return);
        QCOMPARE(app.navigator.currentId(), ScreenId::Stage1Quiz);
        QCOMPARE(app.course.userCode, QStringLiteral("kb"));
        QCOMPARE(student.focused(), QStringLiteral("Picture1")); // the question

        // A wrong digit locks the answers; the digit of the right one then does nothing.
        const int right = rightAnswer(app);
        student.pressDigit(right == 1 ? 2 : 1);
        QCOMPARE(labelText(app, 4), QStringLiteral("違う"));
        for (int b = 1; b <= 8; ++b)
            QVERIFY(!button(app, b)->isEnabled());
        QCOMPARE(student.focused(), QStringLiteral("Command9")); // HELP, the only way on
        student.pressDigit(right);
        QCOMPARE(labelText(app, 4), QStringLiteral("違う"));

        // HELP with Return, the lecture paged with Return, back with keypad Enter.
        student.press(Qt::Key_Return);
        QCOMPARE(app.navigator.currentId(), ScreenId::Lecture);
        QCOMPARE(student.focused(), QStringLiteral("Command1")); // 次へ
        const auto *text = app.navigator.currentScreen()->findChild<Canvas *>(QStringLiteral("Picture1"));
        QString page = text->printedText();
        const int pages = transcription::course().lecture(1)->pageCount;
        for (int i = 0; i < pages; ++i) {
            student.press(Qt::Key_Return);
            QCOMPARE(app.navigator.currentId(), ScreenId::Lecture);
        }
        QVERIFY(text->printedText() != page);
        student.press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(app.navigator.currentId(), ScreenId::Stage1Quiz);
        QCOMPARE(app.course.problemNo, std::int16_t(1));
        // One Enter too many lands on the question and answers nothing.
        QCOMPARE(student.focused(), QStringLiteral("Picture1"));
        student.press(Qt::Key_Return);
        QCOMPARE(labelText(app, 4), QString());

        // Tab to the right answer and press it with Space; Return goes on.
        for (int b = 1; b <= rightAnswer(app); ++b)
            student.press(Qt::Key_Tab);
        QCOMPARE(student.focused(), QStringLiteral("Command%1").arg(rightAnswer(app)));
        student.press(Qt::Key_Space);
        QCOMPARE(labelText(app, 4), QStringLiteral("正解"));
        QCOMPARE(student.focused(), QStringLiteral("Command11")); // 次へ
        student.press(Qt::Key_Return);

        // Problems 2 to 5 by their digits, on the main keys and the keypad.
        for (int p = 2; p <= 5; ++p) {
            QCOMPARE(app.course.problemNo, std::int16_t(p));
            QCOMPARE(student.focused(), QStringLiteral("Picture1"));
            student.pressDigit(rightAnswer(app), p % 2 == 0 ? Qt::KeypadModifier : Qt::NoModifier);
            QCOMPARE(labelText(app, 4), QStringLiteral("正解"));
            student.press(Qt::Key_Return);
        }

        // The roulette: Start, Stop, and on once the ball has come to rest.
        QCOMPARE(app.navigator.currentId(), ScreenId::Roulette);
        QCOMPARE(student.focused(), QStringLiteral("Command1")); // Start
        student.press(Qt::Key_Space);
        QCOMPARE(student.focused(), QStringLiteral("Command2")); // Stop
        student.press(Qt::Key_Return);
        auto *roulette = qobject_cast<RouletteScreen *>(app.navigator.currentScreen());
        for (int tick = 0; tick < 100 && !button(app, 3)->isEnabled(); ++tick)
            roulette->onRunOutTick();
        QCOMPARE(student.focused(), QStringLiteral("Command3")); // 次へ
        QCOMPARE(labelText(app, 2), QStringLiteral("22000")); // 4 x 3000 and the 10000 of a draw of 0
        student.press(Qt::Key_Return);
        QCOMPARE(app.navigator.currentId(), ScreenId::Stage1Quiz);
        QCOMPARE(app.course.problemNo, std::int16_t(6));
        QCOMPARE(app.course.missCount[1], std::int16_t(1));
        QVERIFY(!app.exitCode);
    }

    void tabFollowsTheReadingOrder_data()
    {
        QTest::addColumn<ScreenId>("screen");
        QTest::addColumn<QStringList>("cycle"); // from the first focus, Tab after Tab
        QTest::newRow("title") << ScreenId::Title << QStringList{u"Command1"_s, u"Command2"_s, u"Command1"_s};
        QTest::newRow("start menu") << ScreenId::StartMenu
                                    << QStringList{u"Command1"_s, u"Command2"_s, u"Command1"_s};
        // 次へ stays disabled until the answer is right.
        QTest::newRow("quiz") << ScreenId::Stage1Quiz
                              << QStringList{u"Picture1"_s, u"Command1"_s, u"Command2"_s, u"Command3"_s,
                                             u"Command4"_s, u"Command5"_s, u"Command6"_s, u"Command7"_s,
                                             u"Command8"_s, u"Command10"_s, u"Command9"_s, u"Picture1"_s};
        QTest::newRow("lecture") << ScreenId::Lecture
                                 << QStringList{u"Command1"_s, u"Picture1"_s, u"Command2"_s, u"Command1"_s};
        // Stop and 次へ wait for Start.
        QTest::newRow("roulette") << ScreenId::Roulette << QStringList{u"Command1"_s, u"Command1"_s};
        QTest::newRow("history board") << ScreenId::History << QStringList{u"Command1"_s, u"Command1"_s};
    }

    void tabFollowsTheReadingOrder()
    {
        QFETCH(ScreenId, screen);
        QFETCH(QStringList, cycle);
        TestApp app;
        KeyboardStudent student(app);
        openScreen(app, screen);
        QCOMPARE(app.navigator.currentId(), screen);
        QStringList forwards{student.focused()};
        for (qsizetype i = 1; i < cycle.size(); ++i) {
            student.press(Qt::Key_Tab);
            forwards << student.focused();
        }
        QCOMPARE(forwards, cycle);
        QStringList backwards{student.focused()};
        for (qsizetype i = 1; i < cycle.size(); ++i) {
            student.press(Qt::Key_Backtab, Qt::ShiftModifier);
            backwards.prepend(student.focused());
        }
        QCOMPARE(backwards, cycle);
    }

    void enterOnAFocusedButtonPressesThatButtonOnly()
    {
        TestApp app;
        KeyboardStudent student(app);
        app.navigator.show(ScreenId::Title);
        app.dialogs.yesNoAnswers = {false};
        student.press(Qt::Key_Tab); // to 終了
        student.press(Qt::Key_Return);
        QCOMPARE(app.dialogs.asked.size(), 1);
        QCOMPARE(app.dialogs.asked[0].text, QStringLiteral("終了していいですか？"));
        QCOMPARE(app.navigator.currentId(), ScreenId::Title);
        student.press(Qt::Key_Tab); // back to 次へ
        student.press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(app.navigator.currentId(), ScreenId::StartMenu);
        QCOMPARE(app.dialogs.asked.size(), 1);
    }

    // A key held down presses the button it went down on once, however the
    // keyboard repeats it: never the button the press moved the focus to.
    void aHeldKeyPressesOneButtonOnce_data()
    {
        QTest::addColumn<HeldOn>("heldOn");
        QTest::addColumn<int>("key"); // 1 to 8: the digit of the answer
        QTest::addColumn<KeyRepeats>("repeats");
        const std::pair<const char *, HeldOn> buttons[] = {{"right answer", HeldOn::RightAnswer},
                                                           {"wrong answer", HeldOn::WrongAnswer},
                                                           {"roulette's Start", HeldOn::RouletteStart},
                                                           {"title's 次へ", HeldOn::TitleNext}};
        const std::pair<const char *, int> keys[] = {
            {"Space", Qt::Key_Space}, {"Return", Qt::Key_Return}, {"keypad Enter", Qt::Key_Enter}, {"digit", 0}};
        const std::pair<const char *, KeyRepeats> repeats[] = {{"flagged pairs", KeyRepeats::FlaggedPairs},
                                                               {"unflagged pairs", KeyRepeats::UnflaggedPairs},
                                                               {"unflagged presses", KeyRepeats::UnflaggedPresses}};
        for (const auto &[buttonName, heldOn] : buttons) {
            for (const auto &[keyName, key] : keys) {
                if (key == 0 && heldOn != HeldOn::RightAnswer && heldOn != HeldOn::WrongAnswer)
                    continue;
                for (const auto &[repeatName, repeat] : repeats)
                    QTest::addRow("%s, %s, %s", buttonName, keyName, repeatName) << heldOn << key << repeat;
            }
        }
    }

    void aHeldKeyPressesOneButtonOnce()
    {
        QFETCH(HeldOn, heldOn);
        QFETCH(int, key);
        QFETCH(KeyRepeats, repeats);
        TestApp app;
        KeyboardStudent student(app);
        QuizDriver quiz(app);
        if (heldOn == HeldOn::RightAnswer || heldOn == HeldOn::WrongAnswer) {
            quiz.openAt(2, 3000);
            const int answer = heldOn == HeldOn::RightAnswer ? quiz.correctButton() : quiz.aWrongButton();
            quiz.button(answer)->setFocus();
            if (key == 0)
                key = Qt::Key_0 + answer;
        } else {
            app.navigator.show(heldOn == HeldOn::TitleNext ? ScreenId::Title : ScreenId::Roulette);
        }
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        student.hold(Qt::Key(key), repeats, 5, modifiers);

        switch (heldOn) {
        case HeldOn::RightAnswer:
            QCOMPARE(app.navigator.currentId(), ScreenId::Stage1Quiz);
            QCOMPARE(app.course.problemNo, std::int16_t(2));
            QCOMPARE(app.course.score, 6000.0);
            QCOMPARE(quiz.label(4)->text(), QStringLiteral("正解"));
            QCOMPARE(student.focused(), QStringLiteral("Command11"));
            student.press(Qt::Key_Return); // 次へ, pressed on purpose
            QCOMPARE(app.course.problemNo, std::int16_t(3));
            break;
        case HeldOn::WrongAnswer:
            QCOMPARE(app.navigator.currentId(), ScreenId::Stage1Quiz);
            QCOMPARE(app.course.score, 0.0);
            QCOMPARE(app.course.missCount[2], 1);
            QCOMPARE(student.focused(), QStringLiteral("Command9"));
            student.press(Qt::Key_Return); // HELP
            QCOMPARE(app.navigator.currentId(), ScreenId::Lecture);
            break;
        case HeldOn::RouletteStart:
            QCOMPARE(student.focused(), QStringLiteral("Command2"));
            QVERIFY(button(app, 2)->isEnabled()); // Stop, not pressed
            QVERIFY(app.navigator.currentScreen()->findChild<QTimer *>(QStringLiteral("Timer2"))->isActive());
            student.press(Qt::Key_Return);
            QVERIFY(!button(app, 2)->isEnabled());
            break;
        case HeldOn::TitleNext:
            QCOMPARE(app.navigator.currentId(), ScreenId::StartMenu);
            QCOMPARE(student.focused(), QStringLiteral("Command1"));
            QVERIFY(app.dialogs.asked.isEmpty()); // 初めからやる not pressed
            student.press(Qt::Key_Return);
            QCOMPARE(app.dialogs.asked.size(), 1);
            break;
        }
    }

    // The title's 次へ closes its window while Return is still down, and the
    // release may reach no window of the program. A press of the student's
    // more than a second after the last one is no repeat: it presses
    // 初めからやる. Unflagged presses up to a second apart, slower than any
    // keyboard's repeat delay, still do nothing.
    void aPressAfterALostReleaseCounts_data()
    {
        QTest::addColumn<ulong>("pause"); // the presses come this long and 30 ms apart
        QTest::addColumn<int>("questions");
        QTest::newRow("1000 ms apart: a repeat") << 970UL << 0;
        QTest::newRow("1001 ms apart: the student's") << 971UL << 1;
    }

    void aPressAfterALostReleaseCounts()
    {
        QFETCH(ulong, pause);
        QFETCH(int, questions);
        TestApp app;
        KeyboardStudent student(app);
        app.navigator.show(ScreenId::Title);
        student.pressReleaseLost(Qt::Key_Return);
        QCOMPARE(app.navigator.currentId(), ScreenId::StartMenu);
        student.pause(pause);
        student.hold(Qt::Key_Return, KeyRepeats::UnflaggedPresses, 0);
        QCOMPARE(app.dialogs.asked.size(), questions);
    }

    // Repeats of a key that went down before the window had the keyboard:
    // no press of its own was seen here.
    void repeatsOfAKeyPressedElsewhereDoNothing()
    {
        TestApp app;
        KeyboardStudent student(app);
        QuizDriver quiz(app);
        app.navigator.show(ScreenId::StartMenu);
        student.repeat(Qt::Key_Return, 3);
        student.repeat(Qt::Key_Space, 3);
        QVERIFY(app.dialogs.asked.isEmpty());
        quiz.openAt(2, 3000);
        student.repeat(static_cast<Qt::Key>(Qt::Key_0 + quiz.aWrongButton()), 3);
        quiz.button(quiz.correctButton())->setFocus();
        student.repeat(Qt::Key_Return, 3);
        QCOMPARE(app.course.score, 3000.0);
        QCOMPARE(app.course.missCount[2], 0);
    }

    void digitsOutsideTheAnswersDoNothing()
    {
        TestApp app;
        KeyboardStudent student(app);
        QuizDriver quiz(app);
        quiz.openAt(2, 3000);
        for (int digit : {0, 9}) {
            student.pressDigit(digit);
            QCOMPARE(app.course.score, 3000);
            QCOMPARE(quiz.label(4)->text(), QString());
        }
        QCOMPARE(app.course.missCount[2], std::int16_t(0));
    }
};

QTEST_MAIN(KeyboardCourseTest)
#include "tst_keyboard_course.moc"
