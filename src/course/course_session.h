// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "course_plan.h"
#include "outcomes.h"

#include "course_state.h"

#include <QString>

namespace piyota {

class Clock;
class ProgressFile;
class Random;
class UserCodeLock;

namespace content {
struct Lecture;
}

// The course's rules, without widgets: judging an answer, the score, the
// wrong answers and times, the answer layouts, moving on, the groups and
// their save points, the roulette's ball and payouts, the lecture's pages,
// the rows of the learning history board and which screen comes next. It
// works on the course's state, the progress file, the lock of the user code,
// the clock and the random numbers. Each operation is named for what the
// student does and says what happened; the screens present that, reading
// the course through course(), and go where it leads.
//
// A save point saves the course as it will be after the click, and only
// then makes that its state: a save that fails changes nothing.
class CourseSession {
public:
    CourseSession(CourseState &course, const ProgressFile &progress, UserCodeLock &codeLock, Clock &clock,
                  Random &random);

    const CourseState &course() const { return course_; }

    // The start menu. An empty code is the code "zq". Any failure of the
    // file ends the program; a code that another program works on leaves
    // everything as it was.
    StartOutcome startAfresh(const QString &typedCode);
    StartOutcome continueCourse(const QString &typedCode);

    // The quiz screen of `stage` opens: reloads the progress file, draws the
    // layout of a problem met for the first time and takes its start time
    // where it is due.
    QuizEntry enterQuiz(Stage stage);
    // An answer button (1..8).
    Verdict answer(int button);
    // 次へ: the next problem within a group; at the end of a group the
    // progress is saved and the roulette follows.
    QuizStep next(Stage stage);
    // HELP: saves and goes to the lecture, unless the problem is solved.
    HelpStep help();
    // Quit, once the student said yes: saves and goes to the board.
    Outcome quit();

    // The roulette, one spin a visit. The ball stands at east until Start
    // sets it running round the wheel, a cell a tick; Stop draws where it
    // comes to rest, and the run-out takes it there, a cell a tick. The
    // first tick that finds it at rest adds its sector's payout to the score.
    double ballAngle() const { return ball_.angle; }
    void startSpin();
    void spinTick();
    void stopSpin();
    RunOut runOutTick();
    // 次へ: saves and goes on to the next quiz stage or, after the last
    // problem, saves once more for the board.
    Outcome rouletteNext();

    // The lecture on the current problem; none above the course.
    const content::Lecture *lecture() const;
    // 次へ: the lecture's next page; after the last one the quiz comes back
    // and the lecture starts again next time.
    LectureStep nextLecturePage();
    // EXIT: back to the quiz at once; the lecture starts again next time.
    Route exitLecture();

    // The board's row of problem i (1..30), for the way the run last came
    // to the board.
    BoardRow boardRow(int problem) const;

private:
    // How the run came to the learning history board.
    enum class RunEnd {
        QuitDuringProblem, // the quiz's quit: the current problem is unfinished
        CourseFinished,    // the roulette after the last problem
    };
    enum class Spin {
        Waiting,    // at east, for Start
        Running,    // round and round until Stop
        RunningOut, // to the resting place Stop drew
        AtRest,     // paid out; the next spin is the next visit's
    };
    struct Ball {
        Spin spin = Spin::Waiting;
        double angle = 0;
        double stopDraw = 0;
    };

    bool saveAndAdopt(const CourseState &next);
    void drawLayoutFor(int problem);
    CourseState movedOn(CourseState course) const;
    Route quizOrEnd(int problemNo) const;

    CourseState &course_;
    const ProgressFile &progress_;
    UserCodeLock &codeLock_;
    Clock &clock_;
    Random &random_;
    RunEnd runEnd_ = RunEnd::QuitDuringProblem;
    Ball ball_;
    int lecturePageNo_ = 0; // the next page of the lecture to show
};

} // namespace piyota
