// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <chrono>
#include <optional>

namespace piyota {

// What a lock file of a user code says about the program holding it, in the
// lines "<pid>\n<program>\n<host name>\n<machine id>\n" (the layout earlier
// versions wrote, so that their lock files read the same; the oldest had no
// machine id).

// The machine a program runs on.
struct Machine {
    QByteArray hostName;
    QByteArray machineId;

    static Machine current();
};

// The contents this program writes into the lock file it holds.
QByteArray lockFileContents(qint64 pid, const Machine &machine);

// The machine of the program that the contents name; nothing when they name
// no program (empty, garbage, cut short).
std::optional<Machine> holderMachine(QByteArrayView contents);

// A lock file is renewed every minute while it is held; one not renewed for
// five minutes is left over from a program that ended without removing it.
inline constexpr std::chrono::minutes kLockRenewalInterval{1};
inline constexpr std::chrono::minutes kLockStaleAfter{5};

// Whether a lock file that no program of this machine holds (its kernel lock
// was free) is still in use by a program on another machine sharing the
// folder: it names another machine and was renewed `sinceRenewal` ago, less
// than five minutes (or, as clocks go, in the future).
bool inUseOnAnotherMachine(const std::optional<Machine> &holder, const Machine &here,
                           std::chrono::seconds sinceRenewal);

} // namespace piyota
