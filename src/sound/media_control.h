// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound_cues.h"

#include <memory>

namespace piyota {

// A screen's media control: plays the cues its screen asks for. Every call
// returns at once, and a failure is never reported: a missing or unplayable
// file is silent.
class MediaControl {
public:
    virtual ~MediaControl() = default;
    virtual void play(const SoundCue &cue) = 0;
};

// Makes the media control of a screen. A control lives as long as its screen;
// destroying it ends its music, while effects and answers play on to their
// end.
class MediaControlFactory {
public:
    virtual ~MediaControlFactory() = default;
    virtual std::unique_ptr<MediaControl> createControl() = 0;
};

} // namespace piyota
