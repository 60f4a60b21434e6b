// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakes/progress_files.h"
#include "fakes/test_app.h"

#include "canvas.h"
#include "content/reader/transcription.h"
#include "quiz/quiz_screen.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

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

    // The right answer as the transcription of the tables gives it.
    int correctButton() const
    {
        return transcription::correctButton(app_.course.problemNo, app_.course.layoutNo);
    }

    // Where the question box and the captions differ from the transcription
    // of the current problem in the layout in force, as activation or "次へ"
    // presents it; empty when they read alike.
    QString presentationDifference(bool afterNext) const
    {
        const int p = app_.course.problemNo;
        const int k = app_.course.layoutNo;
        const QString where = QStringLiteral("problem %1 layout %2: ").arg(p).arg(k);
        const transcription::ProblemLayout *table = transcription::course().layout(p, k);
        if (!table)
            return where + QStringLiteral("not in the transcription");
        const transcription::ProblemLayout expected =
            afterNext ? *transcription::course().afterNextLayout(p, k) : *table;
        const QStringList shown = picture(1)->printedText().split(QLatin1Char('\n'));
        QStringList lines = expected.printedLines();
        for (QString &line : lines) { // the box keeps no trailing blanks
            while (!line.isEmpty() && line.back().isSpace())
                line.chop(1);
        }
        for (qsizetype i = 0; i < std::max(shown.size(), lines.size()); ++i) {
            if (shown.value(i) != lines.value(i))
                return where + QStringLiteral("question line %1 reads \"%2\", not \"%3\"")
                                   .arg(i + 1).arg(shown.value(i), lines.value(i));
        }
        for (int b = 1; b <= 8; ++b) {
            const QString caption = b == 8 ? QStringLiteral("その他") : expected.captions[std::size_t(b - 1)];
            if (button(b)->text() != caption)
                return where + QStringLiteral("Command%1 reads \"%2\", not \"%3\"").arg(b).arg(button(b)->text(), caption);
        }
        return {};
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
