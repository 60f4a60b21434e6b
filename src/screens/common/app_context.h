// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace piyota {

class CourseSession;
class Dialogs;
class MediaControlFactory;
class Navigation;
struct FormStates;

// What a screen reaches beyond its own controls: the course's rules, whose
// state it reads through session.course() and changes only through their
// operations, the form-level state, the switcher, the dialogs and the sound.
struct AppContext {
    CourseSession &session;
    FormStates &forms;
    Navigation &navigation;
    Dialogs &dialogs;
    MediaControlFactory &media;
};

} // namespace piyota
