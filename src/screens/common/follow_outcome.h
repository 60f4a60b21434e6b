#pragma once

class QWidget;

namespace piyota {

struct AppContext;
struct Outcome;
struct Route;

// Goes where a click of the student leads: stays, shows a screen or the
// learning history board, or ends the program.
void followRoute(AppContext &app, const Route &route);

// Presents a click's outcome: a save that failed is told in a message box
// (and the screen stays as it was), then the route is followed.
void followOutcome(AppContext &app, QWidget *screen, const Outcome &outcome);

} // namespace piyota
