// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "course_session.h"

#include "answer_time.h"
#include "clock.h"
#include "lectures/lecture.h"
#include "progress_file.h"
#include "random.h"
#include "roulette_wheel.h"
#include "user_code_lock.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace piyota {

namespace {

constexpr int kScorePerAnswer = 3000;
constexpr int kLayoutCount = 3;
// A count of wrong answers stops at the largest the progress file's reader
// takes back.
constexpr int kMostMisses = std::numeric_limits<std::int16_t>::max();

const QString kDefaultCode = QStringLiteral("zq");
const char kCannotRead[] = "cannot read the progress file of this user code";
const char kCannotWrite[] = "cannot write the progress file of this user code";

QString codeOrDefault(const QString &typedCode)
{
    return typedCode.isEmpty() ? kDefaultCode : typedCode;
}

} // namespace

CourseSession::CourseSession(CourseState &course, const ProgressFile &progress, UserCodeLock &codeLock,
                             Clock &clock, Random &random)
    : course_(course)
    , progress_(progress)
    , codeLock_(codeLock)
    , clock_(clock)
    , random_(random)
{
}

bool CourseSession::saveAndAdopt(const CourseState &next)
{
    if (!progress_.saveProgress(next))
        return false;
    course_ = next;
    return true;
}

StartOutcome CourseSession::startAfresh(const QString &typedCode)
{
    course_.startFresh();
    const QString code = codeOrDefault(typedCode);
    // Where no lock file can be made (a read-only folder, a code that names
    // no file) the course goes on without one: the file itself then decides.
    if (codeLock_.take(code) == UserCodeLock::Result::InUse)
        return CodeInUse{};
    course_.userCode = code;
    if (!progress_.saveProgress(course_))
        return EndAfterFailure{kCannotWrite};
    return ShowScreen{ScreenId::Stage1Quiz};
}

StartOutcome CourseSession::continueCourse(const QString &typedCode)
{
    course_.resumed = true;
    const QString code = codeOrDefault(typedCode);
    if (codeLock_.take(code) == UserCodeLock::Result::InUse)
        return CodeInUse{};
    course_.userCode = code;
    if (!typedCode.isEmpty()) {
        if (!progress_.loadProgress(course_))
            return EndAfterFailure{kCannotRead};
        // The problem in progress is timed from now.
        course_.answerSeconds[course_.problemNo] = clock_.secondsSinceMidnight();
    } else {
        // Nothing typed: a fresh start under the default code, but for the
        // times of the record.
        course_.problemNo = 1;
        course_.score = 0;
        std::fill(course_.missCount.begin() + 1, course_.missCount.end(), 0);
        if (!progress_.saveProgress(course_))
            return EndAfterFailure{kCannotWrite};
    }
    return quizOrEnd(course_.problemNo);
}

QuizEntry CourseSession::enterQuiz(Stage stage)
{
    if (!progress_.loadProgress(course_))
        return EndAfterFailure{kCannotRead};
    const int p = course_.problemNo;
    if (!stageHolds(stage, p))
        return OtherStage{};
    if (!course_.layoutDrawn[p])
        drawLayoutFor(p);
    // A problem is timed from its first opening when it begins a group, or
    // when the run continued an earlier one; else 次へ started its time.
    if (!course_.timeStarted[p] && (beginsGroup(p) || course_.resumed)) {
        course_.answerSeconds[p] = clock_.secondsSinceMidnight();
        course_.timeStarted[p] = true;
    }
    // The first problem of the course meets an empty screen.
    const bool clears = p != content::kFirstProblem;
    if (clears)
        course_.solvedFlag = false;
    return ProblemToPresent{p, clears};
}

Verdict CourseSession::answer(int button)
{
    const auto correct = content::correctButton(course_.problemNo, course_.layoutNo);
    if (!correct)
        return Verdict::NotJudged;
    if (button == *correct) {
        if (course_.solvedFlag) // a problem never scores twice
            return Verdict::NotJudged;
        course_.solvedFlag = true;
        course_.score += kScorePerAnswer;
        return Verdict::Correct;
    }
    int &misses = course_.missCount[course_.problemNo];
    misses = std::min(misses + 1, kMostMisses);
    course_.solvedFlag = false;
    course_.score -= kScorePerAnswer;
    return Verdict::Wrong;
}

QuizStep CourseSession::next(Stage stage)
{
    if (!course_.solvedFlag)
        return Refused{};
    const int p = course_.problemNo;
    if (!stageHolds(stage, p))
        return OtherStage{};
    if (endsGroup(p)) {
        // The roulette follows once the next problem is saved.
        if (!saveAndAdopt(movedOn(course_)))
            return SaveFailed{};
        return Saved{ScreenId::Roulette};
    }
    if (!course_.layoutDrawn[p + 1])
        drawLayoutFor(p + 1);
    course_ = movedOn(course_);
    return NextProblem{course_.problemNo};
}

HelpStep CourseSession::help()
{
    if (course_.solvedFlag)
        return Refused{};
    if (!saveAndAdopt(course_))
        return SaveFailed{};
    return Saved{ScreenId::Lecture};
}

Outcome CourseSession::quit()
{
    if (!saveAndAdopt(course_))
        return SaveFailed{};
    runEnd_ = RunEnd::QuitDuringProblem;
    return Saved{ScreenId::History};
}

void CourseSession::startSpin()
{
    if (ball_.spin == Spin::Waiting)
        ball_ = {Spin::Running};
}

void CourseSession::spinTick()
{
    if (ball_.spin == Spin::Running)
        ball_.angle = roulette::freeSpinStep(ball_.angle);
}

void CourseSession::stopSpin()
{
    if (ball_.spin != Spin::Running)
        return;
    random_.seed(clock_.secondsSinceMidnight());
    ball_.stopDraw = random_.next();
    ball_.spin = Spin::RunningOut;
}

RunOut CourseSession::runOutTick()
{
    if (ball_.spin != Spin::RunningOut)
        return ball_.spin == Spin::AtRest ? RunOut::AtRest : RunOut::Running;
    if (const auto next = roulette::runOutStep(ball_.angle, ball_.stopDraw)) {
        ball_.angle = *next;
        return RunOut::Running;
    }
    ball_.spin = Spin::AtRest;
    course_.score += roulette::payoutAt(ball_.angle);
    return RunOut::AtRest;
}

Outcome CourseSession::rouletteNext()
{
    if (!saveAndAdopt(course_))
        return SaveFailed{};
    ball_ = {}; // the next visit finds it at east
    if (course_.problemNo < content::kLastProblem)
        return Saved{*quizScreenFor(course_.problemNo)};
    // The course is over: saved once more for the board.
    if (!saveAndAdopt(course_))
        return SaveFailed{};
    runEnd_ = RunEnd::CourseFinished;
    return Saved{ScreenId::History};
}

const content::Lecture *CourseSession::lecture() const
{
    return content::lectureFor(course_.problemNo);
}

LectureStep CourseSession::nextLecturePage()
{
    const content::Lecture *current = lecture();
    if (!current)
        return NoLecture{};
    if (lecturePageNo_ < static_cast<int>(current->pages.size()))
        return LecturePage{static_cast<std::size_t>(lecturePageNo_++)};
    // Past the last page: back to the quiz of the lecture's stage.
    lecturePageNo_ = 0;
    return quizOrEnd(current->lastProblem);
}

Route CourseSession::exitLecture()
{
    lecturePageNo_ = 0;
    return quizOrEnd(course_.problemNo);
}

BoardRow CourseSession::boardRow(int problem) const
{
    BoardRow row;
    if (problem <= course_.problemNo)
        row.misses = course_.missCount[problem];
    const float seconds = course_.answerSeconds[problem];
    if (seconds == 0)
        return row;
    row.seconds = seconds;
    // The unfinished problem holds the clock reading it was started at; the
    // board shows the whole seconds spent on it so far instead.
    if (runEnd_ == RunEnd::QuitDuringProblem && problem == course_.problemNo)
        row.seconds = wholeSecondsBetween(seconds, clock_.secondsSinceMidnight());
    return row;
}

void CourseSession::drawLayoutFor(int problem)
{
    random_.seed(clock_.secondsSinceMidnight());
    course_.layoutNo = static_cast<std::int16_t>(static_cast<int>(random_.next() * kLayoutCount) + 1);
    course_.layoutDrawn[problem] = true;
}

// The course after 次へ on its solved problem p: the whole seconds p took,
// the start time of the next problem within a group, and the next problem,
// which stays 30 after the last one.
CourseState CourseSession::movedOn(CourseState course) const
{
    const float now = clock_.secondsSinceMidnight();
    const int p = course.problemNo;
    course.answerSeconds[p] = wholeSecondsBetween(course.answerSeconds[p], now);
    if (!endsGroup(p))
        course.answerSeconds[p + 1] = now;
    course.problemNo = static_cast<std::int16_t>(std::min(p + 1, content::kLastProblem));
    course.solvedFlag = false;
    return course;
}

// Back from the lecture to the quiz screen of a problem's stage; above the
// course there is none, and the program ends.
Route CourseSession::quizOrEnd(int problemNo) const
{
    const auto quiz = quizScreenFor(problemNo);
    if (quiz)
        return ShowScreen{*quiz};
    return EndProgram{};
}

} // namespace piyota
