#pragma once

namespace piyota {

struct AppContext;
enum class RunEnd;

// Shows the learning history board and fills in what its callers fill in:
// the progress sentence, the wrong answers up to the current problem, and
// the score. Both ways to the board save the progress file first.
void showHistoryBoard(AppContext &app, RunEnd end);

} // namespace piyota
