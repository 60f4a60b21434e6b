// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen_id.h"

#include <cstddef>
#include <optional>
#include <variant>

namespace piyota {

// What the course's operations answer. Each is a variant of the ways an
// operation can end, every way holding only what it needs; the screens
// present it and go where it leads, following it with std::visit.

// Where the program goes after a click.
struct ShowScreen {
    ScreenId screen;
    bool operator==(const ShowScreen &) const = default;
};
struct EndProgram {
    bool operator==(const EndProgram &) const = default;
};
// The program ends after a failure the student is not told about; `reason`
// goes to the standard error for whoever started it.
struct EndAfterFailure {
    const char *reason;
    bool operator==(const EndAfterFailure &) const = default;
};
using Route = std::variant<ShowScreen, EndProgram, EndAfterFailure>;

// A click at a save point: the course saved, then the screen `next`; or the
// save failed and nothing changed, so that the same click saves again.
struct Saved {
    ScreenId next;
    bool operator==(const Saved &) const = default;
};
struct SaveFailed {
    bool operator==(const SaveFailed &) const = default;
};
using Outcome = std::variant<Saved, SaveFailed>;

// The start menu's way into the course, or a user code that another program
// works on (nothing changed).
struct CodeInUse {
    bool operator==(const CodeInUse &) const = default;
};
using StartOutcome = std::variant<Route, CodeInUse>;

// How an answer was judged.
enum class Verdict {
    NotJudged, // no key for the problem and layout, or the problem already solved
    Correct,
    Wrong,
};

// A quiz button refused in the problem's present state: the system beep.
struct Refused {
    bool operator==(const Refused &) const = default;
};
// The problem in force is not one of the screen's stage: nothing happens.
struct OtherStage {
    bool operator==(const OtherStage &) const = default;
};
// 次へ within a group: the next problem is in force, to be presented.
struct NextProblem {
    int problem;
    bool operator==(const NextProblem &) const = default;
};
using QuizStep = std::variant<Refused, OtherStage, NextProblem, Outcome>;
using HelpStep = std::variant<Refused, Outcome>;

// Opening a quiz screen: the problem to present, the screen clearing its
// boxes and verdict first where `clearsPrevious`.
struct ProblemToPresent {
    int problem;
    bool clearsPrevious;
    bool operator==(const ProblemToPresent &) const = default;
};
using QuizEntry = std::variant<ProblemToPresent, OtherStage, EndAfterFailure>;

// The lecture's 次へ: the page to perform, or after the last one the way
// back; nothing where no lecture covers the problem.
struct LecturePage {
    std::size_t page;
    bool operator==(const LecturePage &) const = default;
};
struct NoLecture {
    bool operator==(const NoLecture &) const = default;
};
using LectureStep = std::variant<LecturePage, Route, NoLecture>;

// After a tick of the roulette's run-out: the ball still running, or at rest.
enum class RunOut { Running, AtRest };

// One row of the learning history board.
struct BoardRow {
    std::optional<int> misses;    // shown up to the problem the student is on
    std::optional<float> seconds; // none for a problem not come to
};

} // namespace piyota
