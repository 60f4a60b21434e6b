// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <chrono>

namespace piyota::testing {

// A PulseAudio server of the test's own with one null sink, in a temporary
// folder; while the object lives, PULSE_SERVER points the sound libraries at
// it. Where PulseAudio is missing or does not start, error() says why.
class PrivateSoundServer {
public:
    PrivateSoundServer();
    ~PrivateSoundServer(); // stops the server, and PULSE_SERVER is as it was

    PrivateSoundServer(const PrivateSoundServer &) = delete;
    PrivateSoundServer &operator=(const PrivateSoundServer &) = delete;

    QString error() const { return error_; }

private:
    QTemporaryDir dir_;
    QProcess server_;
    QByteArray previousAddress_;
    bool hadAddress_ = false;
    QString error_;
};

// How long a test waits for a stream to start (the sound module and its
// soundfont load first), and to close: far below the length of a song a
// test plays, far above what closing takes. A wave's stream closes once the
// server has played it; an idle null sink, which nothing records, plays two
// seconds behind.
inline constexpr std::chrono::seconds kStreamStarts{5};
inline constexpr std::chrono::seconds kStreamCloses{5};

// The streams the sound server named by PULSE_SERVER plays now, as pactl
// lists them; only those whose line holds `kind` (a sample format, such as
// "s16le 1ch 8000Hz"), when one is given. -1 when it gives no answer.
int soundServerStreams(const QString &kind = {});

// Waits, the event loop turning, until the server plays `count` streams (of
// that kind); false if it does not within `timeout`.
bool waitForStreams(int count, std::chrono::milliseconds timeout, const QString &kind = {});

} // namespace piyota::testing
