#pragma once

#include "fakes/progress_files.h"
#include "fakes/test_app.h"

#include "canvas/canvas.h"
#include "content/course.h"
#include "screens/quiz/quiz_screen.h"

#include <QLabel>
#include <QPushButton>

namespace piyota::testing {

// Drives the quiz screen that is open in a TestApp by its controls, as a
// student would.
class QuizDriver {
public:
    explicit QuizDriver(TestApp &app) : app_(app) {}

    // Writes the progress file of "zq" and opens the quiz screen of its stage.
    void openAt(int problemNo, int score = 0, const QByteArray &currentLine = "0,0")
    {
        app_.course.userCode = QStringLiteral("zq");
        writeBytes(app_.filePath(QStringLiteral("zq.ucd")), progressFileAt(problemNo, score, currentLine));
        app_.navigator.show(problemNo <= 15 ? ScreenId::Stage1Quiz : ScreenId::Stage2Quiz);
    }

    // The next layout draws give layout k (1..3).
    void drawLayouts(std::initializer_list<int> layouts)
    {
        for (int k : layouts)
            app_.random.values.push_back((static_cast<float>(k) - 0.5f) / 3.0f);
    }

    QuizScreen *screen() const { return qobject_cast<QuizScreen *>(app_.navigator.currentScreen()); }
    QPushButton *button(int number) const
    {
        return screen()->findChild<QPushButton *>(QStringLiteral("Command%1").arg(number));
    }
    QLabel *label(int number) const
    {
        return screen()->findChild<QLabel *>(QStringLiteral("Label%1").arg(number));
    }
    Canvas *picture(int number) const
    {
        return screen()->findChild<Canvas *>(QStringLiteral("Picture%1").arg(number));
    }

    int correctButton() const
    {
        return content::correctButton(app_.course.problemNo, app_.course.layoutNo).value_or(0);
    }
    int aWrongButton() const { return correctButton() == 1 ? 2 : 1; }

    void answerRight() { button(correctButton())->click(); }
    void answerWrong() { button(aWrongButton())->click(); }
    void next() { button(11)->click(); }
    void help() { button(9)->click(); }
    void quit() { button(10)->click(); }

    QByteArray savedFile() const { return readBytes(app_.filePath(QStringLiteral("zq.ucd"))); }

private:
    TestApp &app_;
};

} // namespace piyota::testing
