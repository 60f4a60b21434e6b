// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound_module.h"

#include <QObject>
#include <QString>

#include <functional>
#include <thread>

namespace piyota {

// Loads the sound module in the background, so that the window shown
// meanwhile is not kept waiting, then makes its players on the thread that
// made the loader, once that thread's event loop runs, and hands them over.
// A module that does not load hands over no players. Destroying the loader
// waits for the loading and hands over nothing more.
class SoundModuleLoader final {
public:
    using Arrival = std::function<void(SoundBackends)>;

    SoundModuleLoader(const QString &modulePath, Arrival arrival);
    ~SoundModuleLoader();

    SoundModuleLoader(const SoundModuleLoader &) = delete;
    SoundModuleLoader &operator=(const SoundModuleLoader &) = delete;

private:
    void load(const QString &modulePath);

    QObject receiver_; // on the loader's own thread: where the players are made
    Arrival arrival_;
    std::thread loading_;
};

} // namespace piyota
