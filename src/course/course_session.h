#pragma once

#include "course_plan.h"
#include "screen_id.h"

#include "course_state.h"

#include <QString>

#include <cstddef>
#include <optional>

namespace piyota {

class Clock;
class ProgressFile;
class Random;
class UserCodeLock;

namespace content {
struct Lecture;
}

// How the run came to the learning history board.
enum class RunEnd {
    QuitDuringProblem, // the quiz's quit: the current problem is unfinished
    CourseFinished,    // the roulette after the last problem
};

// Where the program goes after a click.
struct Route {
    enum class Kind {
        Stay,            // the screen stays as it is
        Show,            // the screen `screen`
        HistoryBoard,    // the learning history board
        EndProgram,      // the program ends
        EndAfterFailure, // the program ends, `failure` saying why on the standard error
    };
    Kind kind = Kind::Stay;
    ScreenId screen = ScreenId::Title;
    const char *failure = nullptr;

    static Route stay() { return {}; }
    static Route show(ScreenId id) { return {Kind::Show, id}; }
    static Route historyBoard() { return {Kind::HistoryBoard, ScreenId::History}; }
    static Route endProgram() { return {Kind::EndProgram}; }
    static Route endAfterFailure(const char *why) { return {Kind::EndAfterFailure, ScreenId::Title, why}; }
};

// Whether a click saved the progress file.
enum class Save {
    NotNeeded,
    Saved,
    Failed, // nothing changed: the same click saves again
};

// What a click of the student led to: the save it needed, and where to go.
struct Outcome {
    Save save = Save::NotNeeded;
    Route route;
};

// The start menu's way into the course.
enum class Opening {
    Opened,    // the route leads to the quiz screen, or ends the program on a failure
    CodeInUse, // another program works on this user code; nothing changed
};
struct StartOutcome {
    Opening opening = Opening::Opened;
    Route route;
};

// How an answer was judged.
enum class Verdict {
    NotJudged, // no key for the problem and layout, or the problem already solved
    Correct,
    Wrong,
};

// What a quiz button other than an answer did.
struct QuizStep {
    enum class Kind {
        Refused,     // not in the problem's present state: the system beep
        Ignored,     // the problem is not one of the screen's stage
        NextProblem, // the next problem is in force, to be presented
        Leaves,      // see the outcome: a save, then another screen
    };
    Kind kind = Kind::Ignored;
    Outcome outcome;
};

// What opening a quiz screen found.
struct QuizEntry {
    Route route;                  // ends the program when the file could not be read
    std::optional<int> problem;   // the problem to present, when the stage holds it
    bool clearsPrevious = false;  // the screen clears its boxes and verdict first
};

// What the lecture's 次へ does.
struct LectureStep {
    std::optional<std::size_t> page; // the page to perform
    Route route;                     // after the last page: back to the quiz
};

// One row of the learning history board.
struct BoardRow {
    std::optional<int> misses;    // shown up to the problem the student is on
    std::optional<float> seconds; // none for a problem not come to
};

// The course's rules, without widgets: judging an answer, the score, the
// wrong answers and times, the answer layouts, moving on, the groups and
// their save points, the roulette's effect on the score, the lecture's
// pages and which screen comes next. It works on the course's state, the
// progress file, the lock of the user code, the clock and the random
// numbers. Each operation is named for what the student does and says what
// happened; the screens present that and go where it leads.
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
    QuizStep help();
    // Quit, once the student said yes: saves and goes to the board.
    Outcome quit();

    // The roulette. Stop draws where the ball comes to rest, in [0, 1).
    float drawStop();
    // The ball has come to rest in a sector worth `scoreChange`.
    void spinResult(int scoreChange);
    // 次へ: saves and goes on to the next quiz stage or, after the last
    // problem, saves once more for the board.
    Outcome rouletteNext();

    // The lecture on the current problem; none above the course.
    const content::Lecture *lecture() const;
    // 次へ, with `pageNo` the next page to show (a form-level value of the
    // lecture): that page; after the last one the lecture starts again next
    // time and the quiz comes back.
    LectureStep nextLecturePage(int &pageNo) const;
    // EXIT: back to the quiz at once; the lecture starts again next time.
    Route exitLecture(int &pageNo) const;

    // How the run last came to the learning history board.
    RunEnd runEnd() const { return runEnd_; }
    // The board's row of problem i (1..30) when the run ends by `end`.
    BoardRow boardRow(int problem, RunEnd end) const;

private:
    bool saveAndAdopt(const CourseState &next);
    StartOutcome openCourseOf(const QString &code);
    void drawLayoutFor(int problem);
    CourseState movedOn(CourseState course) const;
    Route quizOrEnd(int problemNo) const;

    CourseState &course_;
    const ProgressFile &progress_;
    UserCodeLock &codeLock_;
    Clock &clock_;
    Random &random_;
    RunEnd runEnd_ = RunEnd::QuitDuringProblem;
};

} // namespace piyota
