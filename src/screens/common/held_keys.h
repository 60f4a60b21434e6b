// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QObject>

#include <optional>

class QKeyEvent;

namespace piyota {

// Makes a key held down press a button once. A held key repeats: the
// keyboard sends more presses, and on X11 a release before each, which Qt
// flags as repeats only when it sees the next press already waiting. A
// repeat that reached a button would press the button that the first press
// moved the focus to, or enabled: the right answer's Space or Return would
// run on into 次へ.
//
// The guard watches the keys that press buttons, for every window and
// dialog of the program, and drops a press of a watched key that is a
// repeat: one Qt flags as such, one that comes while the key is still down
// soon after its press before, or one that comes at the very time of the
// key's last release (the repeat pairs that Qt did not recognise). Releases
// go through: a button completes a press only when the press went to that
// button. A release can be lost, when the window the key went down in
// closed before the key came up and no window of the program had the
// keyboard then; a press long after the last one is the student's again.
class HeldKeyGuard final : public QObject {
    Q_OBJECT
public:
    // Watches `key` from now on, for the whole program.
    static void watch(int key);

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    explicit HeldKeyGuard(QObject *application);
    static HeldKeyGuard &instance();

    struct KeyState {
        bool down = false;                     // pressed, not released since
        std::optional<ulong> pressedAt;        // the time of its last press, repeats included
        std::optional<ulong> releasedAt;       // the time of its last release
        std::optional<ulong> judgedPressAt;    // the time of the last press judged
        bool judgedRepeat = false;             // whether it was a repeat
    };

    bool dropsPress(const QKeyEvent &press);

    QHash<int, KeyState> keys_;
};

} // namespace piyota
